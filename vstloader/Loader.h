// Sonavel VST: the loader that finds the real plug-in of its host application and hands the
// host's VST 2 entry call on to it.
//
// The loader reaches the operating system only through an OsCalls table, so that it builds and
// runs the same on Windows, where WindowsCalls.cpp fills the table, and in native tests, which
// fill it with fakes.
#pragma once

#include <cstdint>

#if defined(_WIN32)
 #define LOADER_CALLER_REMOVES_ARGUMENTS __cdecl
 #define LOADER_CALLEE_REMOVES_ARGUMENTS __stdcall
#else
 #define LOADER_CALLER_REMOVES_ARGUMENTS
 #define LOADER_CALLEE_REMOVES_ARGUMENTS
#endif

//==============================================================================
// The VST 2 side, as far as the loader sees it: the effect is only passed through, and so is
// the host's callback.
struct AEffect;

using audioMasterCallback = intptr_t (LOADER_CALLER_REMOVES_ARGUMENTS*) (AEffect* effect, int32_t opcode, int32_t index,
                                                                         intptr_t value, void* data, float option);

// The real plug-in's entry, which removes its three arguments itself.
using ConnectVstFunction = AEffect* (LOADER_CALLEE_REMOVES_ARGUMENTS*) (audioMasterCallback host, const char* pluginName,
                                                                        int32_t polyvane);

//==============================================================================
// The operating-system calls that the attach makes. Registry keys are always opened under the
// current user's root.
using OsHandle = void*;
using OsProc = void (*) ();

struct OsCalls
{
    // As GetModuleFileNameA: the length written, size when the name was cut, 0 on failure.
    uint32_t (*getModuleFileName) (OsHandle module, char* name, uint32_t size);
    bool (*openCurrentUserKey) (const char* keyPath, uint32_t access, OsHandle* key);
    // As RegQueryValueExA: data need not end in a NUL; size goes in and comes back in bytes.
    bool (*queryValue) (OsHandle key, const char* valueName, char* data, uint32_t* size);
    bool (*closeKey) (OsHandle key);
    // As GetCurrentDirectoryA: the length written, the size needed when it does not fit, 0 on failure.
    uint32_t (*getCurrentDirectory) (uint32_t size, char* directory);
    bool (*setCurrentDirectory) (const char* directory);
    bool (*fileExists) (const char* path);
    OsHandle (*loadLibrary) (const char* path);
    OsProc (*getProcAddress) (OsHandle module, const char* name);
    bool (*freeLibrary) (OsHandle module);
    bool (*messageBox) (const char* text, const char* caption, uint32_t style);
};

// The Windows values of the access right and the message styles that the loader uses.
constexpr uint32_t keyReadAccess = 0x20019;
constexpr uint32_t messageStyleOk = 0x0;
constexpr uint32_t messageStyleTaskModal = 0x2000;

//==============================================================================
// Finds and loads the real plug-in for the DLL whose module handle is given; on failure shows
// one message and returns false. The table must outlive the loaded DLL.
bool attachLoader (const OsCalls& calls, OsHandle ownModule);

// Frees the real plug-in if one was loaded; safe to call when none was.
void detachLoader ();

// The VST 2 entry: the real plug-in's effect for this host. Only valid after a successful attach.
AEffect* forwardEntry (audioMasterCallback host);
