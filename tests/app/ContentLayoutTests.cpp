#include "app/ContentComp.h"
#include "app/MainWindow.h"
#include "app/MessageBoxes.h"

#include <gtest/gtest.h>

namespace
{
    template <typename ComponentType>
    ComponentType* findChild (juce::Component& parent, const std::function<bool (ComponentType&)>& matches)
    {
        for (auto* child : parent.getChildren())
            if (auto* typed = dynamic_cast<ComponentType*> (child))
                if (matches (*typed))
                    return typed;

        return nullptr;
    }

    juce::Label* findLabel (juce::Component& parent, const juce::String& textStart)
    {
        return findChild<juce::Label> (parent, [&] (juce::Label& l) { return l.getText().startsWith (textStart); });
    }

    juce::TextButton* findButton (juce::Component& parent, const juce::String& text)
    {
        return findChild<juce::TextButton> (parent, [&] (juce::TextButton& b) { return b.getButtonText() == text; });
    }

    const juce::String warningStart ("This software updater is only able to update Varnet firmware from version 3.00");

    class SysexFile
    {
    public:
        SysexFile()
        {
            folder.createDirectory();
            const juce::uint8 bytes[] = { 0xf0, 0x01, 0x02, 0xf7 };
            file.replaceWithData (bytes, sizeof (bytes));
        }

        ~SysexFile()    { folder.deleteRecursively(); }

        juce::File folder { juce::File::createTempFile ("content") };
        juce::File file { folder.getChildFile ("update.new.syx") };
    };
}

TEST (ContentComp, BuiltInFirmwareTexts)
{
    MainWindow window ({});

    EXPECT_EQ (window.getName(), "Varnet version 4.02 - R1737");

    auto& content = *window.getContentComp();
    auto* info = findLabel (content, "This software updater will update");
    ASSERT_NE (info, nullptr);
    EXPECT_EQ (info->getText(), "This software updater will update your Varnet firmware to version 4.02 - R1737");

    auto* warning = findLabel (content, warningStart);
    ASSERT_NE (warning, nullptr);
    EXPECT_EQ (warning->getText(), warningStart + " and above. If you have an older version of the Varnet firmware, "
                                                  "please update to 3.00 prior to using this software updater!");
    EXPECT_EQ (warning->findColour (juce::Label::textColourId), juce::Colour (0xffff6347));
    EXPECT_EQ (warning->findColour (juce::Label::backgroundColourId), juce::Colour (0xffffffff));
    EXPECT_EQ (warning->findColour (juce::Label::outlineColourId), juce::Colour (0xb2808080));
}

TEST (ContentComp, LoadedFileTexts)
{
    const SysexFile sysex;
    MainWindow window (sysex.file.getFullPathName());

    EXPECT_EQ (window.getName(), "update.new version 0.00");

    auto& content = *window.getContentComp();
    auto* info = findLabel (content, "This software updater will update");
    ASSERT_NE (info, nullptr);
    EXPECT_EQ (info->getText(), "This software updater will update your update.new firmware from the loaded sysex file");
    EXPECT_EQ (findLabel (content, warningStart), nullptr) << "a loaded file has version 0.0";
}

TEST (ContentComp, MissingFileKeepsTheBuiltInFirmware)
{
    int boxesShown = 0;
    setMessageBoxHandler ([&] (juce::MessageBoxIconType, const juce::String& title, const juce::String&)
                          {
                              EXPECT_EQ (title, "File not found");
                              ++boxesShown;
                          });
    MainWindow window ("/nonexistent/firmware.syx");
    setMessageBoxHandler (nullptr);

    EXPECT_EQ (boxesShown, 1);
    EXPECT_EQ (window.getName(), "Varnet version 4.02 - R1737");
}

TEST (ContentComp, StartsNotReady)
{
    ContentComp content (nullptr, {});
    auto* update = findButton (content, "update");
    ASSERT_NE (update, nullptr);

    EXPECT_FALSE (update->isEnabled());
    EXPECT_EQ (update->findColour (juce::TextButton::buttonColourId).getARGB(), 0xffff7e7eu);
    EXPECT_EQ (update->findColour (juce::TextButton::buttonOnColourId).getARGB(), 0xffff7e7eu);
    EXPECT_EQ (update->getTooltip(), "click here to update the product");
    EXPECT_TRUE (update->isConnectedOnLeft());
    EXPECT_EQ (findButton (content, "Help")->getTooltip(), "click here to get help");

    auto* progressLabel = findLabel (content, "Update progress");
    ASSERT_NE (progressLabel, nullptr);
    EXPECT_EQ (progressLabel->getText(), "Update progress:");
}

TEST (ContentComp, ReadinessColours)
{
    ContentComp content (nullptr, {});
    auto* update = findButton (content, "update");

    content.showReadiness (true);
    EXPECT_TRUE (update->isEnabled());
    EXPECT_EQ (update->findColour (juce::TextButton::buttonColourId).getARGB(), 0xff7ebf7eu);
    EXPECT_EQ (update->findColour (juce::TextButton::buttonOnColourId).getARGB(), 0xff7ebf7eu);

    content.showReadiness (false);
    EXPECT_FALSE (update->isEnabled());
    EXPECT_EQ (update->findColour (juce::TextButton::buttonColourId).getARGB(), 0xffff7e7eu);
}

TEST (ContentComp, LayoutFollowsTheWidth)
{
    for (const auto width : { 636, 800 })
    {
        ContentComp content (nullptr, {});
        content.setSize (width, 360);

        const auto bounds = [&] (const juce::String& text) { return findLabel (content, text)->getBounds(); };

        EXPECT_EQ (bounds ("This software updater will update"), juce::Rectangle<int> (10, 15, width - 20, 50));
        EXPECT_EQ (findButton (content, "Help")->getBounds(), juce::Rectangle<int> (width - 104, 2, 94, 30));
        EXPECT_EQ (bounds ("STEP1"), juce::Rectangle<int> (10, 70, width - 20, 30));
        // The device area, 100 pixels from y 105, comes between STEP1 and the warning.
        EXPECT_EQ (bounds (warningStart), juce::Rectangle<int> (10, 215, width - 20, 50));
        EXPECT_EQ (bounds ("STEP2"), juce::Rectangle<int> (10, 270, width - 20, 30));

        auto* update = findButton (content, "update");
        auto* bar = findChild<juce::ProgressBar> (content, [] (juce::ProgressBar&) { return true; });
        ASSERT_NE (bar, nullptr);
        EXPECT_EQ (update->getBounds(), juce::Rectangle<int> (width - 104, 320, 94, 30));
        EXPECT_EQ (bar->getBounds(), juce::Rectangle<int> (10, 320, width - 114, 30));
        EXPECT_EQ (bar->getRight(), update->getX()) << "the bar ends where the update button begins";

        auto* progressLabel = findLabel (content, "Update progress");
        EXPECT_EQ (progressLabel->getAttachedComponent(), bar);
        EXPECT_FALSE (progressLabel->isAttachedOnLeft());
        EXPECT_EQ (progressLabel->getBottom(), bar->getY());

        auto* usbNote = findLabel (content, "In Windows XP");
        ASSERT_NE (usbNote, nullptr);
        EXPECT_TRUE (usbNote->isVisible());
        EXPECT_TRUE (usbNote->getBounds().isEmpty());
    }
}

TEST (ContentComp, WithoutWarningStep2FollowsTheDeviceArea)
{
    const SysexFile sysex;
    ContentComp content (nullptr, sysex.file.getFullPathName());
    content.setSize (636, 360);

    EXPECT_EQ (findLabel (content, "STEP2")->getBounds(), juce::Rectangle<int> (10, 215, 616, 30));
    EXPECT_EQ (findButton (content, "update")->getY(), 265);
}

TEST (ContentComp, WarningOnlyAboveVersion3)
{
    struct Case
    {
        double version;
        int build;
        const char* info;
        bool warning;
    };

    const Case cases[] = {
        { 3.0,   0,    "This software updater will update your Varnet firmware to version 3.00", false },
        { 2.5,   12,   "This software updater will update your Varnet firmware to version 2.50 - R12", false },
        { 3.001, 0,    "This software updater will update your Varnet firmware to version 3.00", true },
        { 3.01,  1800, "This software updater will update your Varnet firmware to version 3.01 - R1800", true },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.version);
        ContentComp content (nullptr, std::make_unique<FirmwareDescriptor> ("Varnet", c.version, c.build), {},
                             ProtocolTiming::getRealTime());
        content.setSize (636, 360);

        EXPECT_EQ (findLabel (content, "This software updater will update")->getText(), c.info);
        EXPECT_EQ (findLabel (content, warningStart) != nullptr, c.warning);
        EXPECT_EQ (findLabel (content, "STEP2")->getY(), c.warning ? 270 : 215);
    }
}
