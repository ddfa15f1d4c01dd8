#include "Loader.h"

#include <cctype>
#include <cstring>

namespace
{
constexpr uint32_t bufferSize = 256;
using PathBuffer = char[bufferSize];

//==============================================================================
// Module state. attachLoader sets it while the operating system attaches the DLL, the entry
// calls only read it, and detachLoader releases the real plug-in when the DLL goes away.
const OsCalls* os = nullptr;
OsHandle ownModule = nullptr;
PathBuffer pluginName = {};
bool polyvane = false;
ConnectVstFunction connectVst = nullptr;
OsHandle realPlugin = nullptr;

//==============================================================================
constexpr char sonavelKeyPath[] = "SOFTWARE\\Arvenon\\Sonavel XL";
constexpr char polyvaneKeyPrefix[] = "SOFTWARE\\Arvenon\\Polyvane\\";
constexpr char shippedName[] = "Sonavel VST";
constexpr char programPathValue[] = "Program Path";

constexpr char polyvaneKeyText[] = "Polyvane VST - Error opening RegKey\n\n"
                                   "You must run the Polyvane standalone application before using the VST plug-in.";
constexpr char sonavelKeyText[] = "Sonavel VST - Error opening RegKey\n\n"
                                  "You must run Sonavel XL before using the VST plug-in.";
constexpr char polyvaneValueText[] = "Warning! Failed to find Polyvane info in registry!\n\n"
                                     "You must run the Polyvane standalone application before using the VST plug-in.";
constexpr char sonavelValueText[] = "Warning! Failed to find Sonavel XL info in registry!\n\n"
                                    "You must run Sonavel XL before using the VST plug-in.";
constexpr char missingFileCaption[] = "Sonavel VST Error - Failed to find:";

//==============================================================================
// Appends as much of text as fits, always leaving buffer terminated; false when it did not all fit.
bool appendText (char* buffer, size_t size, const char* text)
{
    size_t length = strnlen (buffer, size - 1);

    for (; *text != 0; ++text)
    {
        if (length + 1 >= size)
        {
            buffer[length] = 0;
            return false;
        }

        buffer[length++] = *text;
    }

    buffer[length] = 0;
    return true;
}

bool copyText (char* buffer, size_t size, const char* text)
{
    buffer[0] = 0;
    return appendText (buffer, size, text);
}

bool equalIgnoringCase (const char* a, const char* b)
{
    for (; *a != 0 && *b != 0; ++a, ++b)
        if (std::tolower (static_cast<unsigned char> (*a)) != std::tolower (static_cast<unsigned char> (*b)))
            return false;

    return *a == *b;
}

// Every failure of the attach ends here: one message for the user, and the DLL refuses to load.
bool failWithMessage (const char* text, const char* caption, uint32_t style)
{
    // A box that cannot be shown leaves no other way to tell the user; the attach fails either way.
    os->messageBox (text, caption, style);
    return false;
}

//==============================================================================
// A name that was cut at the limit would lead to the wrong plug-in name, so it counts as not found.
bool readOwnFileName (PathBuffer& fullName)
{
    const uint32_t limit = bufferSize - 1;
    const uint32_t length = os->getModuleFileName (ownModule, fullName, limit);
    fullName[length < limit ? length : limit] = 0;

    if (length == 0 || length >= limit)
        return failWithMessage (fullName, missingFileCaption, messageStyleOk);

    return true;
}

// The file name without its folder and without its last four characters (the extension).
void findPluginName (const PathBuffer& fullName)
{
    const size_t end = strnlen (fullName, bufferSize - 1);
    size_t start = end;

    while (start > 0 && fullName[start - 1] != '\\' && fullName[start - 1] != ':')
        --start;

    const size_t length = end - start >= 4 ? end - start - 4 : 0;
    std::memcpy (pluginName, fullName + start, length);
    pluginName[length] = 0;
}

// Under any name but the shipped one the DLL belongs to the Polyvane application of that name,
// if one is registered, and otherwise to Sonavel XL with the VSTi variant of the real plug-in.
bool chooseKeyPath (PathBuffer& keyPath, bool& vsti)
{
    polyvane = false;
    vsti = ! equalIgnoringCase (pluginName, shippedName);

    if (! vsti)
        return copyText (keyPath, sizeof keyPath, sonavelKeyPath);

    copyText (keyPath, sizeof keyPath, polyvaneKeyPrefix);

    if (! appendText (keyPath, sizeof keyPath, pluginName))
        return failWithMessage (keyPath, missingFileCaption, messageStyleOk);

    OsHandle key = nullptr;

    if (os->openCurrentUserKey (keyPath, keyReadAccess, &key))
    {
        // Only whether the key exists matters here; a failed close leaves nothing to undo.
        os->closeKey (key);
        polyvane = true;
        return true;
    }

    return copyText (keyPath, sizeof keyPath, sonavelKeyPath);
}

// Reads "Program Path" and ends it with a NUL inside the buffer, whatever the value's type.
bool readProgramPath (const PathBuffer& keyPath, PathBuffer& programPath)
{
    OsHandle key = nullptr;

    if (! os->openCurrentUserKey (keyPath, keyReadAccess, &key))
        return failWithMessage (polyvane ? polyvaneKeyText : sonavelKeyText, keyPath, messageStyleOk);

    uint32_t size = sizeof programPath;
    const bool read = os->queryValue (key, programPathValue, programPath, &size);

    // The value has been read or not by now; a failed close changes nothing for the attach.
    os->closeKey (key);

    if (! read)
        return failWithMessage (polyvane ? polyvaneValueText : sonavelValueText, "Error", messageStyleOk);

    if (size < sizeof programPath)
        programPath[size] = 0;
    else if (programPath[sizeof programPath - 1] != 0)
    {
        programPath[sizeof programPath - 1] = 0;
        return failWithMessage (programPath, missingFileCaption, messageStyleOk);
    }

    return true;
}

bool appendWin32Folder (PathBuffer& programPath)
{
    const size_t length = strnlen (programPath, sizeof programPath - 1);
    const bool endsWithBackslash = programPath[length - 1] == '\\';

    if ((endsWithBackslash || appendText (programPath, sizeof programPath, "\\"))
        && appendText (programPath, sizeof programPath, "Win32\\"))
        return true;

    return failWithMessage (programPath, missingFileCaption, messageStyleOk);
}

// A current directory that cannot be saved could not be restored, so the folder is not entered.
bool enterFolder (const PathBuffer& folder, PathBuffer& savedDirectory)
{
    const uint32_t length = os->getCurrentDirectory (sizeof savedDirectory, savedDirectory);

    if (length == 0 || length >= sizeof savedDirectory || ! os->setCurrentDirectory (folder))
        return failWithMessage ("Warning! Failed to set directory. Can't open VST plugin", folder, messageStyleTaskModal);

    return true;
}

// A real plug-in without ConnectVST stays loaded until detachLoader frees it.
bool loadRealPlugin (PathBuffer& path, bool vsti)
{
    if (! appendText (path, sizeof path, polyvane || vsti ? "SonavelVSTi.dll" : "SonavelVST.dll"))
        return failWithMessage (path, missingFileCaption, messageStyleOk);

    PathBuffer existencePath;
    copyText (existencePath, sizeof existencePath, path);

    if (! os->fileExists (existencePath))
        return failWithMessage (path, missingFileCaption, messageStyleOk);

    realPlugin = os->loadLibrary (path);

    if (realPlugin == nullptr)
        return failWithMessage (path, "Failed to load", messageStyleOk);

    connectVst = reinterpret_cast<ConnectVstFunction> (os->getProcAddress (realPlugin, "ConnectVST"));

    if (connectVst == nullptr)
        return failWithMessage (path, "Failed to find \"ConnectVST\" in", messageStyleOk);

    return true;
}

void restoreDirectory (const PathBuffer& savedDirectory)
{
    // The host's folder that cannot be entered again leaves the attach nothing better to do.
    os->setCurrentDirectory (savedDirectory);
}
} // namespace

//==============================================================================
bool attachLoader (const OsCalls& calls, OsHandle module)
{
    os = &calls;
    ownModule = module;

    PathBuffer fullName;
    PathBuffer keyPath;
    PathBuffer programPath;
    PathBuffer savedDirectory;
    bool vsti = false;

    if (! readOwnFileName (fullName))
        return false;

    findPluginName (fullName);

    if (! chooseKeyPath (keyPath, vsti) || ! readProgramPath (keyPath, programPath))
        return false;

    if (programPath[0] == 0)
        return failWithMessage ("Path not found!", keyPath, messageStyleTaskModal);

    if (! appendWin32Folder (programPath) || ! enterFolder (programPath, savedDirectory))
        return false;

    const bool loaded = loadRealPlugin (programPath, vsti);
    restoreDirectory (savedDirectory);
    return loaded;
}

void detachLoader ()
{
    if (realPlugin == nullptr)
        return;

    // The process is letting the DLL go; a real plug-in that will not unload cannot be helped.
    os->freeLibrary (realPlugin);
    realPlugin = nullptr;
    connectVst = nullptr;
}

AEffect* forwardEntry (audioMasterCallback host)
{
    return connectVst (host, pluginName, polyvane ? 1 : 0);
}
