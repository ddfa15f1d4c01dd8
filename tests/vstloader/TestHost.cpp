// A plug-in host for the Wine tests: loads one copy of "Sonavel VST.dll" and checks what a host
// sees of it. A watcher thread answers every message box the loader shows and records it.
//
//   vst_test_host load DLL PLUGIN_NAME POLYVANE(0|1) REAL_PLUGIN_PATH
//       the DLL loads, its three entries reach the real plug-in's ConnectVST, unload frees it
//   vst_test_host refuse DLL CAPTION TEXT
//       the DLL refuses to load after exactly one message box with this caption and text
//       (a backslash followed by n in TEXT stands for a line feed)
#include "RealPluginRecord.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace
{
struct SeenBox
{
    std::string caption;
    std::string text;
    int buttons;
    HWND owner;
};

//==============================================================================
// Shared with the watcher thread for one load: it appends what it answered until told to stop.
std::atomic<bool> watching { false };
std::atomic<bool> stopWatching { false };
std::vector<SeenBox> seenBoxes;
int failures = 0;

//==============================================================================
void check (bool passed, const std::string& what)
{
    if (! passed)
    {
        std::printf ("FAIL: %s\n", what.c_str());
        ++failures;
    }
}

std::string windowText (HWND window)
{
    char text[1024] = {};
    GetWindowTextA (window, text, sizeof text);
    return text;
}

std::string className (HWND window)
{
    char name[64] = {};
    GetClassNameA (window, name, sizeof name);
    return name;
}

BOOL CALLBACK readBoxChild (HWND child, LPARAM boxAddress)
{
    auto& box = *reinterpret_cast<SeenBox*> (boxAddress);
    const std::string kind = className (child);

    if (kind == "Button" && IsWindowVisible (child))
        ++box.buttons;
    else if (kind == "Static" && ! windowText (child).empty())
        box.text = windowText (child);

    return TRUE;
}

BOOL CALLBACK findOwnBox (HWND window, LPARAM found)
{
    DWORD process = 0;
    GetWindowThreadProcessId (window, &process);

    if (process != GetCurrentProcessId() || className (window) != "#32770" || ! IsWindowVisible (window))
        return TRUE;

    *reinterpret_cast<HWND*> (found) = window;
    return FALSE;
}

// Reads the box, presses its OK button and waits until it has gone.
void answerBox (HWND box)
{
    SeenBox seen { windowText (box), "", 0, GetWindow (box, GW_OWNER) };
    EnumChildWindows (box, readBoxChild, reinterpret_cast<LPARAM> (&seen));
    seenBoxes.push_back (seen);
    PostMessageA (box, WM_COMMAND, MAKEWPARAM (IDOK, BN_CLICKED), 0);

    for (int waited = 0; IsWindow (box) && waited < 5000; waited += 10)
        Sleep (10);
}

DWORD WINAPI watchMessageBoxes (LPVOID)
{
    for (bool firstLook = true; ! stopWatching; firstLook = false)
    {
        HWND box = nullptr;
        EnumWindows (findOwnBox, reinterpret_cast<LPARAM> (&box));
        watching = true;

        if (box != nullptr)
            answerBox (box);
        else if (! firstLook)
            Sleep (10);
    }

    return 0;
}

// Loads the DLL while the watcher answers its boxes. The watcher must have started before the
// load: a thread still starting up waits for the loader lock that the load holds.
HMODULE loadWatched (const char* dll)
{
    stopWatching = false;
    HANDLE watcher = CreateThread (nullptr, 0, watchMessageBoxes, nullptr, 0, nullptr);
    check (watcher != nullptr, "the watcher thread starts");

    while (watcher != nullptr && ! watching)
        Sleep (1);

    HMODULE loaded = LoadLibraryA (dll);

    stopWatching = true;

    if (watcher != nullptr)
    {
        WaitForSingleObject (watcher, INFINITE);
        CloseHandle (watcher);
    }

    return loaded;
}

std::string currentDirectory()
{
    char directory[MAX_PATH] = {};
    GetCurrentDirectoryA (sizeof directory, directory);
    return directory;
}

std::string decodeLineFeeds (std::string text)
{
    for (size_t at = text.find ("\\n"); at != std::string::npos; at = text.find ("\\n", at + 1))
        text.replace (at, 2, "\n");

    return text;
}

//==============================================================================
using VstEntry = AEffect* (*) (audioMasterCallback);

intptr_t hostCallback (AEffect*, int32_t, int32_t, intptr_t, void*, float)
{
    return 0;
}

#if defined(__i386__)
// Calls entry (argument) as a caller that removes the argument itself, and gives back how far the
// stack pointer moved across the call: 0, unless the entry removed its argument as well.
extern "C" intptr_t callMeasuringStack (VstEntry entry, audioMasterCallback argument, AEffect** result);
asm (R"(
    .text
    .globl _callMeasuringStack
_callMeasuringStack:
    pushl %ebp
    movl %esp, %ebp
    pushl %ebx
    movl %esp, %ebx
    pushl 12(%ebp)
    call *8(%ebp)
    addl $4, %esp
    movl 16(%ebp), %ecx
    movl %eax, (%ecx)
    movl %esp, %eax
    subl %ebx, %eax
    movl %ebx, %esp
    popl %ebx
    popl %ebp
    ret
)");
#else
// x64 has one calling convention, so nothing can be out of balance.
intptr_t callMeasuringStack (VstEntry entry, audioMasterCallback argument, AEffect** result)
{
    *result = entry (argument);
    return 0;
}
#endif

// The folder of a path, without its trailing backslash, as GetCurrentDirectoryA gives it.
std::string folderOf (const std::string& path)
{
    return path.substr (0, path.rfind ('\\'));
}

void checkEntry (HMODULE loader, const char* name, int ordinal, RealPluginRecord& record,
                 const std::string& pluginName, int polyvane)
{
    const FARPROC byName = GetProcAddress (loader, name);
    const auto entry = reinterpret_cast<VstEntry> (reinterpret_cast<void (*) ()> (byName));
    const std::string prefix = std::string (name) + ": ";
    check (entry != nullptr, prefix + "exported");
    check (byName == GetProcAddress (loader, MAKEINTRESOURCEA (ordinal)),
           prefix + "exported with ordinal " + std::to_string (ordinal));

    if (entry == nullptr)
        return;

    int effectStandIn = 0;
    int notWrittenYet = 0;

    for (AEffect* const expected : { reinterpret_cast<AEffect*> (&effectStandIn), static_cast<AEffect*> (nullptr) })
    {
        const int callsBefore = record.calls;
        record.nextResult = expected;
        AEffect* result = reinterpret_cast<AEffect*> (&notWrittenYet);
        const intptr_t drift = callMeasuringStack (entry, hostCallback, &result);

        check (drift == 0, prefix + "the stack pointer moved by " + std::to_string (drift) + " across the call");
        check (result == expected, prefix + "the result comes back unchanged" + (expected ? "" : " (null)"));
        check (record.calls == callsBefore + 1, prefix + "ConnectVST called once");
        check (record.host == hostCallback, prefix + "the host callback reaches ConnectVST unchanged");
        check (record.pluginName != nullptr && pluginName == record.pluginName,
               prefix + "plug-in name \"" + (record.pluginName ? record.pluginName : "(null)") + "\"");
        check (record.polyvane == polyvane, prefix + "Polyvane flag " + std::to_string (record.polyvane));
    }
}

int expectLoad (const char* dll, const std::string& pluginName, int polyvane, const std::string& realPath)
{
    const std::string directoryBefore = currentDirectory();
    HMODULE loader = loadWatched (dll);

    check (loader != nullptr, "LoadLibrary succeeds (error " + std::to_string (GetLastError()) + ")");
    check (seenBoxes.empty(), "no message box");
    check (currentDirectory() == directoryBefore, "the host's current directory is unchanged");

    HMODULE real = GetModuleHandleA (realPath.c_str());
    check (real != nullptr, "the real plug-in " + realPath + " is loaded");

    if (loader == nullptr || real == nullptr)
        return 1;

    auto recordOf = reinterpret_cast<TestRecordFunction> (reinterpret_cast<void (*) ()> (GetProcAddress (real, "testRecord")));
    RealPluginRecord& record = *recordOf();
    check (lstrcmpiA (record.directoryAtAttach, folderOf (realPath).c_str()) == 0,
           std::string ("the real plug-in loaded with the current directory ") + record.directoryAtAttach);

    checkEntry (loader, "VSTPluginMain", 3, record, pluginName, polyvane);
    const char* const firstName = record.pluginName;
    checkEntry (loader, "main", 1, record, pluginName, polyvane);
    checkEntry (loader, "MAIN", 2, record, pluginName, polyvane);
    check (record.pluginName == firstName, "the plug-in name stays in one buffer");

    check (FreeLibrary (loader) != FALSE, "FreeLibrary succeeds");
    check (GetModuleHandleA (realPath.c_str()) == nullptr, "unloading frees the real plug-in");
    return failures == 0 ? 0 : 1;
}

int expectRefusal (const char* dll, const std::string& caption, const std::string& text)
{
    const std::string directoryBefore = currentDirectory();
    HMODULE loader = loadWatched (dll);

    check (loader == nullptr, "LoadLibrary fails");
    check (seenBoxes.size() == 1, "exactly one message box, not " + std::to_string (seenBoxes.size()));
    check (currentDirectory() == directoryBefore, "the host's current directory is unchanged");
    check (GetModuleHandleA ("SonavelVST.dll") == nullptr && GetModuleHandleA ("SonavelVSTi.dll") == nullptr,
           "no real plug-in is left loaded");

    if (! seenBoxes.empty())
    {
        const SeenBox& box = seenBoxes[0];
        check (box.caption == caption, "caption \"" + box.caption + "\"");
        check (box.text == text, "text \"" + box.text + "\"");
        check (box.buttons == 1, "one button, not " + std::to_string (box.buttons));
        check (box.owner == nullptr, "no owner window");
    }

    return failures == 0 ? 0 : 1;
}
} // namespace

int main (int argc, char** argv)
{
    const std::string mode = argc > 1 ? argv[1] : "";

    if (mode == "load" && argc == 6)
        return expectLoad (argv[2], argv[3], std::atoi (argv[4]), argv[5]);

    if (mode == "refuse" && argc == 5)
        return expectRefusal (argv[2], argv[3], decodeLineFeeds (argv[4]));

    std::printf ("usage: vst_test_host load DLL PLUGIN_NAME POLYVANE REAL_PLUGIN_PATH\n"
                 "       vst_test_host refuse DLL CAPTION TEXT\n");
    return 2;
}
