#include "FakeWindows.h"

#include <cstring>

FakeWindows fake;

namespace
{
// Library handles are positions in fake.loadedPaths, counted from 1.
OsHandle handleOfLibrary (size_t index)
{
    return reinterpret_cast<OsHandle> (index + 1);
}

const std::string& pathOfLibrary (OsHandle module)
{
    return fake.loadedPaths.at (reinterpret_cast<size_t> (module) - 1);
}

void scribble (char* buffer, uint32_t size)
{
    std::memset (buffer, 'X', size);
}

uint32_t getModuleFileName (OsHandle module, char* name, uint32_t size)
{
    fake.moduleNameRequests.push_back (module);
    scribble (name, size);
    const auto length = static_cast<uint32_t> (fake.moduleFileName.size());

    if (length < size)
    {
        std::memcpy (name, fake.moduleFileName.c_str(), length + 1);
        return length;
    }

    std::memcpy (name, fake.moduleFileName.c_str(), size - 1);
    name[size - 1] = 0;
    return size;
}

bool openCurrentUserKey (const char* keyPath, uint32_t access, OsHandle* key)
{
    fake.openedKeyPaths.push_back (keyPath);
    fake.openAccessRights.push_back (access);

    if (fake.registry.count (keyPath) == 0 || static_cast<int> (fake.openedKeyPaths.size()) == fake.failingOpenNumber)
        return false;

    ++fake.keysOpen;
    *key = &fake.registry[keyPath];
    return true;
}

bool queryValue (OsHandle key, const char* valueName, char* data, uint32_t* size)
{
    const auto& values = *static_cast<std::map<std::string, std::string>*> (key);
    const auto value = values.find (valueName);

    if (value == values.end())
        return false;

    const auto length = static_cast<uint32_t> (value->second.size());

    if (length > *size)
    {
        *size = length;
        return false;
    }

    scribble (data, *size);
    std::memcpy (data, value->second.data(), length);
    *size = length;
    return true;
}

bool closeKey (OsHandle)
{
    --fake.keysOpen;
    return true;
}

uint32_t getCurrentDirectory (uint32_t size, char* directory)
{
    if (fake.currentDirectoryUnreadable)
        return 0;

    const auto length = static_cast<uint32_t> (fake.currentDirectory.size());

    if (length + 1 > size)
        return length + 1;

    scribble (directory, size);
    std::memcpy (directory, fake.currentDirectory.c_str(), length + 1);
    return length;
}

bool setCurrentDirectory (const char* directory)
{
    fake.directoriesSet.push_back (directory);

    if (fake.folders.count (directory) == 0)
        return false;

    fake.currentDirectory = directory;
    return true;
}

bool fileExists (const char* path)
{
    fake.existenceTests.push_back (path);
    return fake.files.count (path) != 0;
}

OsHandle loadLibrary (const char* path)
{
    if (fake.files.count (path) == 0 || fake.unloadableLibraries.count (path) != 0)
        return nullptr;

    fake.loadedPaths.push_back (path);
    fake.directoryAtLoad.push_back (fake.currentDirectory);
    ++fake.librariesLoaded;
    return handleOfLibrary (fake.loadedPaths.size() - 1);
}

AEffect* connectVst (audioMasterCallback host, const char* pluginName, int32_t polyvane)
{
    fake.connectCalls.push_back ({ host, pluginName, pluginName, polyvane });
    return fake.connectResult;
}

OsProc getProcAddress (OsHandle module, const char* name)
{
    if (std::strcmp (name, "ConnectVST") != 0 || fake.librariesWithoutEntry.count (pathOfLibrary (module)) != 0)
        return nullptr;

    return reinterpret_cast<OsProc> (connectVst);
}

bool freeLibrary (OsHandle module)
{
    fake.freedPaths.push_back (pathOfLibrary (module));
    --fake.librariesLoaded;
    return true;
}

bool messageBox (const char* text, const char* caption, uint32_t style)
{
    fake.messages.push_back ({ text, caption, style });
    return true;
}
} // namespace

const OsCalls fakeCalls = { getModuleFileName, openCurrentUserKey, queryValue,     closeKey,
                            getCurrentDirectory, setCurrentDirectory, fileExists, loadLibrary,
                            getProcAddress,    freeLibrary,        messageBox };
