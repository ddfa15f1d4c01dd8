// The loader's attach, detach and entry call, driven through the fake Windows table.
#include "FakeWindows.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace
{
const std::string sonavelKey = "SOFTWARE\\Arvenon\\Sonavel XL";
const std::string novaKey = "SOFTWARE\\Arvenon\\Polyvane\\Nova";
const std::string sonavelWin32 = "C:\\Sonavel XL\\Win32\\";
const std::string novaWin32 = "D:\\Polyvane Nova\\Win32\\";
const std::string missingFileCaption = "Sonavel VST Error - Failed to find:";

OsHandle const ownModule = reinterpret_cast<OsHandle> (0x5000);

intptr_t hostCallback (AEffect*, int32_t, int32_t, intptr_t, void*, float)
{
    return 0;
}

// An installation as its application leaves it: "Program Path" written as a string with its
// terminator, and both real plug-ins in the "Win32" folder.
void addInstallation (const std::string& keyPath, const std::string& programPath, const std::string& win32Folder)
{
    fake.registry[keyPath]["Program Path"] = programPath + '\0';
    fake.folders.insert (win32Folder);
    fake.files.insert (win32Folder + "SonavelVST.dll");
    fake.files.insert (win32Folder + "SonavelVSTi.dll");
}

void addNova()
{
    fake.moduleFileName = "C:\\VST\\Nova.dll";
    addInstallation (novaKey, "D:\\Polyvane Nova\\", novaWin32);
}

// A "Program Path" of the given length with its "Win32" folder and real plug-ins.
std::string longProgramPath (size_t length)
{
    const std::string path = "C:\\" + std::string (length - 3, 'p');
    addInstallation (sonavelKey, path, path + "\\Win32\\");
    return path;
}

class LoaderTest : public testing::Test
{
protected:
    void SetUp() override
    {
        fake = FakeWindows {};
        fake.folders.insert (fake.currentDirectory);
        fake.moduleFileName = "C:\\Hosts\\VST\\Sonavel VST.dll";
        addInstallation (sonavelKey, "C:\\Sonavel XL", sonavelWin32);
    }

    // What holds after every attach and its detach, whichever way the attach went.
    void TearDown() override
    {
        detachLoader();
        EXPECT_EQ (fake.librariesLoaded, 0);
        EXPECT_EQ (fake.keysOpen, 0);
        EXPECT_EQ (fake.currentDirectory, directoryBeforeAttach);
        EXPECT_LE (fake.messages.size(), 1u);

        for (const auto access : fake.openAccessRights)
            EXPECT_EQ (access, keyReadAccess) << "the registry is only ever opened for reading";
    }

    bool attach()
    {
        directoryBeforeAttach = fake.currentDirectory;
        return attachLoader (fakeCalls, ownModule);
    }

    // The one message of a failed attach.
    static void expectFailureMessage (const std::string& text, const std::string& caption, uint32_t style)
    {
        ASSERT_EQ (fake.messages.size(), 1u);
        EXPECT_EQ (fake.messages[0].text, text);
        EXPECT_EQ (fake.messages[0].caption, caption);
        EXPECT_EQ (fake.messages[0].style, style);
    }

    std::string directoryBeforeAttach;
};

//==============================================================================
struct NameCase
{
    const char* moduleFileName;
    const char* pluginName;
    const char* realPlugin;
};

class PluginNameTest : public LoaderTest, public testing::WithParamInterface<NameCase>
{
};

TEST_P (PluginNameTest, NameComesFromTheFileNameAndChoosesTheRealPlugin)
{
    fake.moduleFileName = GetParam().moduleFileName;

    ASSERT_TRUE (attach());
    forwardEntry (hostCallback);

    EXPECT_EQ (fake.moduleNameRequests, std::vector<OsHandle> { ownModule });
    EXPECT_TRUE (fake.messages.empty());
    EXPECT_EQ (fake.loadedPaths, std::vector<std::string> { sonavelWin32 + GetParam().realPlugin });
    ASSERT_EQ (fake.connectCalls.size(), 1u);
    EXPECT_EQ (fake.connectCalls[0].nameText, GetParam().pluginName);
    EXPECT_EQ (fake.connectCalls[0].polyvane, 0);
}

INSTANTIATE_TEST_SUITE_P (
    FileNames, PluginNameTest,
    testing::Values (NameCase { "C:\\Hosts\\VST\\Sonavel VST.dll", "Sonavel VST", "SonavelVST.dll" },
                     NameCase { "C:Sonavel VST.dll", "Sonavel VST", "SonavelVST.dll" },
                     NameCase { "Sonavel VST.dll", "Sonavel VST", "SonavelVST.dll" },
                     NameCase { "D:\\Plug-ins\\sonavel vst.DLL", "sonavel vst", "SonavelVST.dll" },
                     NameCase { "D:\\Plug-ins\\SONAVEL VST.dll", "SONAVEL VST", "SonavelVST.dll" },
                     NameCase { "D:\\Plug-ins\\Sonavel VST2.dll", "Sonavel VST2", "SonavelVSTi.dll" },
                     NameCase { "D:\\Plug-ins\\Sonavel.dll", "Sonavel", "SonavelVSTi.dll" },
                     NameCase { "D:\\Plug-ins\\x:Lead Synth.dll", "Lead Synth", "SonavelVSTi.dll" },
                     NameCase { "D:\\Plug.ins\\Pad", "", "SonavelVSTi.dll" },
                     NameCase { "D:\\Plug-ins\\.dll", "", "SonavelVSTi.dll" },
                     NameCase { "D:\\Plug-ins\\", "", "SonavelVSTi.dll" },
                     NameCase { "ab", "", "SonavelVSTi.dll" }));

//==============================================================================
TEST_F (LoaderTest, ShippedNameReadsOnlyTheSonavelXlKey)
{
    addInstallation ("SOFTWARE\\Arvenon\\Polyvane\\Sonavel VST", "D:\\Polyvane", "D:\\Polyvane\\Win32\\");

    ASSERT_TRUE (attach());
    forwardEntry (hostCallback);

    EXPECT_EQ (fake.openedKeyPaths, std::vector<std::string> { sonavelKey });
    EXPECT_EQ (fake.loadedPaths, std::vector<std::string> { sonavelWin32 + "SonavelVST.dll" });
    EXPECT_EQ (fake.connectCalls.at (0).polyvane, 0);
}

TEST_F (LoaderTest, OtherNameWithAPolyvaneKeyUsesThatInstallation)
{
    addNova();

    ASSERT_TRUE (attach());
    forwardEntry (hostCallback);

    EXPECT_EQ (fake.openedKeyPaths, (std::vector<std::string> { novaKey, novaKey }));
    EXPECT_EQ (fake.loadedPaths, std::vector<std::string> { novaWin32 + "SonavelVSTi.dll" });
    EXPECT_EQ (fake.connectCalls.at (0).nameText, "Nova");
    EXPECT_EQ (fake.connectCalls.at (0).polyvane, 1);
}

TEST_F (LoaderTest, OtherNameWithoutAPolyvaneKeyUsesSonavelXlWithTheVstiPlugin)
{
    fake.moduleFileName = "C:\\VST\\Other.dll";

    ASSERT_TRUE (attach());
    forwardEntry (hostCallback);

    EXPECT_EQ (fake.openedKeyPaths, (std::vector<std::string> { "SOFTWARE\\Arvenon\\Polyvane\\Other", sonavelKey }));
    EXPECT_EQ (fake.loadedPaths, std::vector<std::string> { sonavelWin32 + "SonavelVSTi.dll" });
    EXPECT_EQ (fake.connectCalls.at (0).polyvane, 0);
}

//==============================================================================
struct MessageCase
{
    const char* situation;
    std::function<void()> arrange;
    std::string text;
    std::string caption;
    uint32_t style;
};

void PrintTo (const MessageCase& messageCase, std::ostream* stream)
{
    *stream << messageCase.situation;
}

class FailureMessageTest : public LoaderTest, public testing::WithParamInterface<MessageCase>
{
};

TEST_P (FailureMessageTest, ShowsExactlyOneMessageAndRefusesToLoad)
{
    GetParam().arrange();

    EXPECT_FALSE (attach());

    expectFailureMessage (GetParam().text, GetParam().caption, GetParam().style);
}

std::string printSituation (const testing::TestParamInfo<MessageCase>& info)
{
    return info.param.situation;
}

INSTANTIATE_TEST_SUITE_P (
    Failures, FailureMessageTest,
    testing::Values (
        MessageCase { "PolyvaneKeyCannotBeOpened",
                      [] { addNova(); fake.failingOpenNumber = 2; },
                      "Polyvane VST - Error opening RegKey\n\nYou must run the Polyvane standalone application before using the VST plug-in.",
                      novaKey, messageStyleOk },
        MessageCase { "SonavelKeyCannotBeOpened",
                      [] { fake.registry.erase (sonavelKey); },
                      "Sonavel VST - Error opening RegKey\n\nYou must run Sonavel XL before using the VST plug-in.",
                      sonavelKey, messageStyleOk },
        MessageCase { "SonavelKeyMissingForOtherName",
                      [] { fake.moduleFileName = "C:\\VST\\Other.dll"; fake.registry.erase (sonavelKey); },
                      "Sonavel VST - Error opening RegKey\n\nYou must run Sonavel XL before using the VST plug-in.",
                      sonavelKey, messageStyleOk },
        MessageCase { "PolyvaneValueCannotBeRead",
                      [] { addNova(); fake.registry[novaKey] = { { "Version", "1" } }; },
                      "Warning! Failed to find Polyvane info in registry!\n\nYou must run the Polyvane standalone application before using the VST plug-in.",
                      "Error", messageStyleOk },
        MessageCase { "SonavelValueCannotBeRead",
                      [] { fake.registry[sonavelKey].clear(); },
                      "Warning! Failed to find Sonavel XL info in registry!\n\nYou must run Sonavel XL before using the VST plug-in.",
                      "Error", messageStyleOk },
        MessageCase { "SonavelValueLongerThanTheBuffer",
                      [] { fake.registry[sonavelKey]["Program Path"] = std::string (300, 'p'); },
                      "Warning! Failed to find Sonavel XL info in registry!\n\nYou must run Sonavel XL before using the VST plug-in.",
                      "Error", messageStyleOk },
        MessageCase { "SonavelValueEmpty",
                      [] { fake.registry[sonavelKey]["Program Path"] = std::string (1, '\0'); },
                      "Path not found!", sonavelKey, messageStyleTaskModal },
        MessageCase { "SonavelValueWithoutAnyBytes",
                      [] { fake.registry[sonavelKey]["Program Path"] = ""; },
                      "Path not found!", sonavelKey, messageStyleTaskModal },
        MessageCase { "PolyvaneValueEmpty",
                      [] { addNova(); fake.registry[novaKey]["Program Path"] = std::string (1, '\0'); },
                      "Path not found!", novaKey, messageStyleTaskModal },
        MessageCase { "Win32FolderCannotBeEntered",
                      [] { fake.folders.erase (sonavelWin32); },
                      "Warning! Failed to set directory. Can't open VST plugin", sonavelWin32, messageStyleTaskModal },
        MessageCase { "CurrentDirectoryCannotBeSaved",
                      [] { fake.currentDirectoryUnreadable = true; },
                      "Warning! Failed to set directory. Can't open VST plugin", sonavelWin32, messageStyleTaskModal },
        MessageCase { "CurrentDirectoryTooLongToSave",
                      [] { fake.currentDirectory = "C:\\" + std::string (260, 'h'); fake.folders = { fake.currentDirectory, sonavelWin32 }; },
                      "Warning! Failed to set directory. Can't open VST plugin", sonavelWin32, messageStyleTaskModal },
        MessageCase { "RealPluginMissing",
                      [] { fake.files.erase (sonavelWin32 + "SonavelVST.dll"); },
                      sonavelWin32 + "SonavelVST.dll", missingFileCaption, messageStyleOk },
        MessageCase { "RealPluginCannotBeLoaded",
                      [] { fake.unloadableLibraries.insert (sonavelWin32 + "SonavelVST.dll"); },
                      sonavelWin32 + "SonavelVST.dll", "Failed to load", messageStyleOk },
        MessageCase { "RealPluginWithoutConnectVst",
                      [] { fake.librariesWithoutEntry.insert (sonavelWin32 + "SonavelVST.dll"); },
                      sonavelWin32 + "SonavelVST.dll", "Failed to find \"ConnectVST\" in", messageStyleOk }),
    printSituation);

//==============================================================================
TEST_F (LoaderTest, ProgramPathWithOrWithoutBackslashGivesOneBeforeWin32)
{
    for (const std::string programPath : { "C:\\Sonavel XL", "C:\\Sonavel XL\\" })
    {
        SCOPED_TRACE (programPath);
        SetUp();
        fake.registry[sonavelKey]["Program Path"] = programPath + '\0';

        ASSERT_TRUE (attach());

        EXPECT_EQ (fake.directoriesSet, (std::vector<std::string> { sonavelWin32, "C:\\Host" }));
        EXPECT_EQ (fake.existenceTests, std::vector<std::string> { sonavelWin32 + "SonavelVST.dll" });
        EXPECT_EQ (fake.loadedPaths, std::vector<std::string> { sonavelWin32 + "SonavelVST.dll" });
        TearDown();
    }
}

TEST_F (LoaderTest, ProgramPathNeedsNoTerminatorInTheRegistry)
{
    fake.registry[sonavelKey]["Program Path"] = "C:\\Sonavel XL";

    ASSERT_TRUE (attach());

    EXPECT_EQ (fake.loadedPaths, std::vector<std::string> { sonavelWin32 + "SonavelVST.dll" });
}

TEST_F (LoaderTest, NonStringValuesAreTakenAsTheirBytes)
{
    fake.registry[sonavelKey]["Program Path"] = std::string ("\x01\0\0\0", 4);

    EXPECT_FALSE (attach());

    expectFailureMessage ("Warning! Failed to set directory. Can't open VST plugin", "\x01\\Win32\\", messageStyleTaskModal);
}

TEST_F (LoaderTest, Win32FolderIsCurrentOnlyWhileTheRealPluginLoads)
{
    ASSERT_TRUE (attach());

    EXPECT_EQ (fake.directoryAtLoad, std::vector<std::string> { sonavelWin32 });
    EXPECT_EQ (fake.directoriesSet, (std::vector<std::string> { sonavelWin32, "C:\\Host" }));
}

TEST_F (LoaderTest, CurrentDirectoryIsRestoredAfterFailuresOnceItChanged)
{
    const std::string realPlugin = sonavelWin32 + "SonavelVST.dll";
    const std::vector<std::function<void()>> failures = {
        [&] { fake.files.erase (realPlugin); },
        [&] { fake.unloadableLibraries.insert (realPlugin); },
        [&] { fake.librariesWithoutEntry.insert (realPlugin); },
    };

    for (size_t step = 0; step < failures.size(); ++step)
    {
        SCOPED_TRACE ("failure at step " + std::to_string (step + 10));
        SetUp();
        failures[step]();

        EXPECT_FALSE (attach());

        EXPECT_EQ (fake.directoriesSet, (std::vector<std::string> { sonavelWin32, "C:\\Host" }));
        TearDown();
    }
}

TEST_F (LoaderTest, FailuresBeforeTheFolderChangeLeaveTheDirectoryAlone)
{
    fake.registry[sonavelKey]["Program Path"] = std::string (1, '\0');

    EXPECT_FALSE (attach());

    EXPECT_TRUE (fake.directoriesSet.empty());
}

//==============================================================================
TEST_F (LoaderTest, RealPluginWithoutConnectVstIsFreedByTheDetach)
{
    fake.librariesWithoutEntry.insert (sonavelWin32 + "SonavelVST.dll");

    EXPECT_FALSE (attach());
    EXPECT_EQ (fake.librariesLoaded, 1);

    detachLoader();
    detachLoader();

    EXPECT_EQ (fake.freedPaths, std::vector<std::string> { sonavelWin32 + "SonavelVST.dll" });
}

TEST_F (LoaderTest, DetachFreesTheRealPluginOnce)
{
    ASSERT_TRUE (attach());

    detachLoader();
    detachLoader();

    EXPECT_EQ (fake.freedPaths, std::vector<std::string> { sonavelWin32 + "SonavelVST.dll" });
}

TEST_F (LoaderTest, FailureBeforeLoadingFreesNothing)
{
    fake.unloadableLibraries.insert (sonavelWin32 + "SonavelVST.dll");

    EXPECT_FALSE (attach());
    detachLoader();

    EXPECT_TRUE (fake.freedPaths.empty());
}

//==============================================================================
TEST_F (LoaderTest, EntryForwardsTheHostCallbackAndReturnsTheResultUnchanged)
{
    addNova();
    int effectStorage = 0;
    auto* const effect = reinterpret_cast<AEffect*> (&effectStorage);
    ASSERT_TRUE (attach());

    for (AEffect* const result : { effect, static_cast<AEffect*> (nullptr), effect })
    {
        fake.connectResult = result;
        EXPECT_EQ (forwardEntry (hostCallback), result);
    }

    ASSERT_EQ (fake.connectCalls.size(), 3u);

    for (const auto& call : fake.connectCalls)
    {
        EXPECT_EQ (call.host, &hostCallback);
        EXPECT_EQ (call.name, fake.connectCalls[0].name) << "the name stays in one buffer for the DLL's lifetime";
        EXPECT_STREQ (call.name, "Nova");
        EXPECT_EQ (call.polyvane, 1);
    }
}

//==============================================================================
TEST_F (LoaderTest, PolyvaneKeyPathUpTo255CharactersIsTried)
{
    const std::string name (229, 'n');
    fake.moduleFileName = "C:\\" + name + ".dll";

    ASSERT_TRUE (attach());

    EXPECT_EQ (fake.openedKeyPaths.at (0), "SOFTWARE\\Arvenon\\Polyvane\\" + name);
    EXPECT_EQ (fake.openedKeyPaths.at (0).size(), 255u);
}

TEST_F (LoaderTest, PolyvaneKeyPathOf256CharactersIsReportedAsMissing)
{
    const std::string name (230, 'n');
    fake.moduleFileName = "C:\\" + name + ".dll";

    EXPECT_FALSE (attach());

    expectFailureMessage (("SOFTWARE\\Arvenon\\Polyvane\\" + name).substr (0, 255), missingFileCaption, messageStyleOk);
    EXPECT_TRUE (fake.openedKeyPaths.empty());
}

TEST_F (LoaderTest, RealPluginPathUpTo255CharactersLoads)
{
    const std::string realPlugin = longProgramPath (234) + "\\Win32\\SonavelVST.dll";

    ASSERT_TRUE (attach());

    EXPECT_EQ (realPlugin.size(), 255u);
    EXPECT_EQ (fake.loadedPaths, std::vector<std::string> { realPlugin });
}

TEST_F (LoaderTest, RealPluginPathOf256CharactersIsReportedAsMissing)
{
    const std::string realPlugin = longProgramPath (235) + "\\Win32\\SonavelVST.dll";

    EXPECT_FALSE (attach());

    expectFailureMessage (realPlugin.substr (0, 255), missingFileCaption, messageStyleOk);
    EXPECT_TRUE (fake.existenceTests.empty());
    EXPECT_TRUE (fake.loadedPaths.empty());
}

TEST_F (LoaderTest, Win32FolderPathBeyond255CharactersIsReportedAsMissing)
{
    const std::string folder = longProgramPath (250) + "\\Win32\\";

    EXPECT_FALSE (attach());

    expectFailureMessage (folder.substr (0, 255), missingFileCaption, messageStyleOk);
    EXPECT_TRUE (fake.directoriesSet.empty());
}

TEST_F (LoaderTest, ProgramPathFillingAllBytesWithoutTerminatorIsReportedAsMissing)
{
    const std::string value = "C:\\" + std::string (253, 'p');
    fake.registry[sonavelKey]["Program Path"] = value;

    EXPECT_FALSE (attach());

    expectFailureMessage (value.substr (0, 255), missingFileCaption, messageStyleOk);
}

TEST_F (LoaderTest, OwnFileNameUpTo254CharactersIsRead)
{
    fake.moduleFileName = "C:\\" + std::string (235, 'f') + "\\Sonavel VST.dll";

    ASSERT_TRUE (attach());
    forwardEntry (hostCallback);

    EXPECT_EQ (fake.moduleFileName.size(), 254u);
    EXPECT_EQ (fake.connectCalls.at (0).nameText, "Sonavel VST");
}

TEST_F (LoaderTest, OwnFileNameCutAtTheLimitIsReportedAsMissing)
{
    fake.moduleFileName = "C:\\" + std::string (236, 'f') + "\\Sonavel VST.dll";

    EXPECT_FALSE (attach());

    expectFailureMessage (fake.moduleFileName.substr (0, 254), missingFileCaption, messageStyleOk);
    EXPECT_TRUE (fake.openedKeyPaths.empty());
}
} // namespace
