#include "app/ContentComp.h"
#include "app/MessageBoxes.h"
#include "device/MidiInterfaceClass.h"
#include "help/VarnetMidiHelpWindowClass.h"
#include "protocol/ProtocolBaseClass.h"
#include "support/MessageLoop.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

using talvion::test::runMessageLoopUntil;

namespace
{
    // Every pause and time-out of the procedure, 20 times shorter.
    class FastTiming  : public ProtocolTiming
    {
    public:
        void sleep (int milliseconds) override                              { juce::Thread::sleep (milliseconds / scale); }
        bool wait (const juce::Thread& thread, int milliseconds) override   { return thread.wait (milliseconds / scale); }
        juce::uint32 getMillisecondCounter() override                       { return juce::Time::getMillisecondCounter() * (juce::uint32) scale; }

    private:
        static constexpr int scale = 20;
    };

    // The window as a user sees it, with the virtual Varnet in both device lists.
    class UpdateControlTest  : public ::testing::Test
    {
    protected:
        void SetUp() override
        {
            setMessageBoxHandler ([this] (juce::MessageBoxIconType icon, const juce::String& title, const juce::String& message)
                                  {
                                      boxes.push_back ({ icon, title, message });
                                  });
        }

        void TearDown() override
        {
            content = nullptr;
            setMessageBoxHandler (nullptr);
            unsetenv ("TALVION_VIRTUAL_DEVICE");
        }

        void build (const char* behaviour, const juce::String& commandLine = {})
        {
            setenv ("TALVION_VIRTUAL_DEVICE", behaviour, 1);
            content = std::make_unique<ContentComp> (nullptr, commandLine, timing);
            content->setSize (642, 370);
            juce::MessageManager::getInstance()->runDispatchLoopUntil (50);
        }

        juce::ComboBox& selector (const juce::String& name) const
        {
            for (auto* child : content->getDeviceInterface()->getChildren())
                if (auto* box = dynamic_cast<juce::ComboBox*> (child); box != nullptr && box->getName() == name)
                    return *box;

            throw std::runtime_error ("no selector " + name.toStdString());
        }

        void choose (const juce::String& selectorName, const juce::String& item) const
        {
            auto& box = selector (selectorName);

            for (int i = 0; i < box.getNumItems(); ++i)
                if (box.getItemText (i) == item)
                    box.setSelectedId (box.getItemId (i));

            juce::MessageManager::getInstance()->runDispatchLoopUntil (50);
        }

        void connect() const
        {
            choose ("Output Selector", "Virtual Varnet");
            choose ("Input Selector", "Virtual Varnet");
        }

        juce::TextButton& button (const juce::String& text) const
        {
            for (auto* child : content->getChildren())
                if (auto* b = dynamic_cast<juce::TextButton*> (child); b != nullptr && b->getButtonText() == text)
                    return *b;

            throw std::runtime_error ("no button " + text.toStdString());
        }

        juce::String statusLine() const
        {
            for (auto* child : content->getChildren())
                if (auto* label = dynamic_cast<juce::Label*> (child); label != nullptr && label->getText().startsWith ("Update progress"))
                    return label->getText();

            return {};
        }

        bool waitForStatus (const juce::String& text, int timeoutMs = 20000) const
        {
            return runMessageLoopUntil ([&] { return statusLine() == "Update progress: " + text
                                                     && ! content->getProtocol()->isThreadRunning(); },
                                        timeoutMs);
        }

        struct ShownBox
        {
            juce::MessageBoxIconType icon;
            juce::String title, message;
        };

        FastTiming timing;
        std::unique_ptr<ContentComp> content;
        std::vector<ShownBox> boxes;
    };
}

TEST_F (UpdateControlTest, ButtonFollowsTheDevices)
{
    build ("varnet");
    auto& update = button ("update");
    const auto red = ContentComp::notReadyColour(), green = ContentComp::readyColour();

    EXPECT_FALSE (update.isEnabled());
    EXPECT_EQ (update.findColour (juce::TextButton::buttonColourId), red);

    choose ("Output Selector", "Virtual Varnet");
    EXPECT_FALSE (update.isEnabled()) << "the input is still closed";

    choose ("Input Selector", "Virtual Varnet");
    EXPECT_TRUE (update.isEnabled());
    EXPECT_EQ (update.findColour (juce::TextButton::buttonColourId), green);
    EXPECT_EQ (update.findColour (juce::TextButton::buttonOnColourId), green);

    choose ("Input Selector", "(Disconnected)");
    EXPECT_FALSE (update.isEnabled());
    EXPECT_EQ (update.findColour (juce::TextButton::buttonColourId), red);
}

TEST_F (UpdateControlTest, UpdateWithoutDevicesOnlyAsks)
{
    build ("varnet");
    choose ("Output Selector", "Virtual Varnet");

    // The disabled button cannot be clicked; the check guards the press that comes in anyway.
    content->buttonClicked (&button ("update"));
    juce::MessageManager::getInstance()->runDispatchLoopUntil (50);

    ASSERT_EQ (boxes.size(), 1u);
    EXPECT_EQ (boxes[0].icon, juce::MessageBoxIconType::WarningIcon);
    EXPECT_EQ (boxes[0].title, "");
    EXPECT_EQ (boxes[0].message, "Please select an output device:");
    EXPECT_FALSE (content->getProtocol()->isThreadRunning());
    EXPECT_EQ (statusLine(), "Update progress:");
}

TEST_F (UpdateControlTest, WholeUpdateEndsCompleted)
{
    build ("varnet");
    connect();

    button ("update").triggerClick();
    juce::MessageManager::getInstance()->runDispatchLoopUntil (20);
    EXPECT_FALSE (button ("update").isEnabled()) << "disabled while the update runs";

    ASSERT_TRUE (waitForStatus ("Update completed")) << statusLine();
    EXPECT_EQ (content->getProtocol()->getProgress(), 1.0);
    EXPECT_TRUE (button ("update").isEnabled());
    EXPECT_TRUE (content->getDeviceInterface()->isEnabled());
    EXPECT_TRUE (boxes.empty());
}

TEST_F (UpdateControlTest, FailedUpdateWaitsForASelectorChange)
{
    build ("silent");
    connect();

    button ("update").triggerClick();
    ASSERT_TRUE (waitForStatus ("Error during update - please try again")) << statusLine();
    EXPECT_EQ (content->getProtocol()->getProgress(), 0.0);
    EXPECT_FALSE (button ("update").isEnabled());

    choose ("Output Selector", "(Disconnected)");
    choose ("Output Selector", "Virtual Varnet");
    EXPECT_TRUE (button ("update").isEnabled());
}

TEST_F (UpdateControlTest, SelectorChangeDuringTheUpdateLeavesTheWindowUsable)
{
    build ("varnet");
    connect();

    button ("update").triggerClick();
    ASSERT_TRUE (runMessageLoopUntil ([&] { return content->getProtocol()->getProgress() > 0.1; }));

    // The output goes away under the running upload: the device never hears the end of it.
    choose ("Output Selector", "(Disconnected)");
    EXPECT_FALSE (content->getDeviceInterface()->isEnabled()) << "the selectors lock while an update runs";

    ASSERT_TRUE (waitForStatus ("Error during update - please try again")) << statusLine();
    EXPECT_FALSE (button ("update").isEnabled());
    EXPECT_TRUE (content->getDeviceInterface()->isEnabled()) << "a failed update must let the user pick the device again";

    choose ("Output Selector", "Virtual Varnet");
    EXPECT_TRUE (button ("update").isEnabled());
}

TEST_F (UpdateControlTest, FirmwareFileGoesOutWithTheGenericUpload)
{
    const auto folder = juce::File::createTempFile ("update-control");
    folder.createDirectory();
    const auto file = folder.getChildFile ("patch.syx");
    const juce::uint8 bytes[] = { 0xf0, 0x01, 0x02, 0xf7, 0xf0, 0x03, 0xf7 };
    file.replaceWithData (bytes, sizeof (bytes));

    build ("varnet", file.getFullPathName());
    connect();

    button ("update").triggerClick();
    ASSERT_TRUE (waitForStatus ("Update completed")) << statusLine();
    EXPECT_TRUE (content->getDeviceInterface()->isEnabled());
    EXPECT_TRUE (button ("update").isEnabled());

    content = nullptr;
    folder.deleteRecursively();
}

TEST_F (UpdateControlTest, HelpButtonTogglesTheCentredHelpWindow)
{
    build ("varnet");
    auto* help = content->getHelpWindow();
    ASSERT_NE (help, nullptr);
    EXPECT_FALSE (help->isVisible());

    button ("Help").triggerClick();
    juce::MessageManager::getInstance()->runDispatchLoopUntil (20);
    EXPECT_TRUE (help->isVisible());
    EXPECT_EQ (help->getWidth(), 550);
    EXPECT_EQ (help->getHeight(), 400);

    help->setBounds (5, 5, 300, 200);
    content->setSize (700, 370);
    EXPECT_EQ (help->getBounds().withPosition (0, 0), juce::Rectangle<int> (550, 400)) << "every layout re-centres it";

    button ("Help").triggerClick();
    juce::MessageManager::getInstance()->runDispatchLoopUntil (20);
    EXPECT_FALSE (help->isVisible());
}
