// A stand-in for the few Windows calls the loader makes: a registry, folders, files and
// libraries held in memory, and a record of what the loader did with them.
//
// Every call that fills a buffer first scribbles over the whole size it was given, so that a size
// larger than the real buffer shows under AddressSanitizer and a missing terminator shows as junk.
#pragma once

#include "Loader.h"

#include <map>
#include <set>
#include <string>
#include <vector>

struct FakeMessage
{
    std::string text;
    std::string caption;
    uint32_t style;
};

struct FakeConnectCall
{
    audioMasterCallback host;
    const char* name;
    std::string nameText;
    int32_t polyvane;
};

struct FakeWindows
{
    //==============================================================================
    // The world the loader finds.
    std::string moduleFileName;
    std::map<std::string, std::map<std::string, std::string>> registry; // key path, value name, bytes
    int failingOpenNumber = 0;                                           // 1-based; 0 when every open of an existing key works
    std::set<std::string> folders;
    std::string currentDirectory = "C:\\Host";
    bool currentDirectoryUnreadable = false;
    std::set<std::string> files;
    std::set<std::string> unloadableLibraries;
    std::set<std::string> librariesWithoutEntry;
    AEffect* connectResult = nullptr;

    //==============================================================================
    // What the loader did.
    std::vector<OsHandle> moduleNameRequests;
    std::vector<std::string> openedKeyPaths;
    std::vector<uint32_t> openAccessRights;
    int keysOpen = 0;
    std::vector<std::string> directoriesSet;
    std::vector<std::string> existenceTests;
    std::vector<std::string> loadedPaths;
    std::vector<std::string> directoryAtLoad;
    std::vector<std::string> freedPaths;
    int librariesLoaded = 0;
    std::vector<FakeMessage> messages;
    std::vector<FakeConnectCall> connectCalls;
};

// Reset by each test; the table's functions work on it.
extern FakeWindows fake;
extern const OsCalls fakeCalls;
