#include "WindowsCalls.h"

#include <windows.h>

static_assert (keyReadAccess == static_cast<uint32_t> (KEY_READ));
static_assert (messageStyleOk == static_cast<uint32_t> (MB_OK));
static_assert (messageStyleTaskModal == static_cast<uint32_t> (MB_TASKMODAL));

namespace
{
uint32_t getModuleFileName (OsHandle module, char* name, uint32_t size)
{
    return GetModuleFileNameA (static_cast<HMODULE> (module), name, size);
}

bool openCurrentUserKey (const char* keyPath, uint32_t access, OsHandle* key)
{
    HKEY opened = nullptr;

    if (RegOpenKeyExA (HKEY_CURRENT_USER, keyPath, 0, access, &opened) != ERROR_SUCCESS)
        return false;

    *key = opened;
    return true;
}

bool queryValue (OsHandle key, const char* valueName, char* data, uint32_t* size)
{
    DWORD byteCount = *size;
    const LONG result = RegQueryValueExA (static_cast<HKEY> (key), valueName, nullptr, nullptr,
                                          reinterpret_cast<BYTE*> (data), &byteCount);
    *size = byteCount;
    return result == ERROR_SUCCESS;
}

bool closeKey (OsHandle key)
{
    return RegCloseKey (static_cast<HKEY> (key)) == ERROR_SUCCESS;
}

uint32_t getCurrentDirectory (uint32_t size, char* directory)
{
    return GetCurrentDirectoryA (size, directory);
}

bool setCurrentDirectory (const char* directory)
{
    return SetCurrentDirectoryA (directory) != FALSE;
}

// OF_EXIST opens the file and closes it again at once: nothing is left open.
bool fileExists (const char* path)
{
    OFSTRUCT details = {};
    return OpenFile (path, &details, OF_EXIST) != HFILE_ERROR;
}

OsHandle loadLibrary (const char* path)
{
    return LoadLibraryA (path);
}

OsProc getProcAddress (OsHandle module, const char* name)
{
    return reinterpret_cast<OsProc> (GetProcAddress (static_cast<HMODULE> (module), name));
}

bool freeLibrary (OsHandle module)
{
    return FreeLibrary (static_cast<HMODULE> (module)) != FALSE;
}

bool messageBox (const char* text, const char* caption, uint32_t style)
{
    return MessageBoxA (nullptr, text, caption, style) != 0;
}
} // namespace

const OsCalls windowsCalls = { getModuleFileName, openCurrentUserKey, queryValue,  closeKey,
                               getCurrentDirectory, setCurrentDirectory, fileExists, loadLibrary,
                               getProcAddress,    freeLibrary,        messageBox };
