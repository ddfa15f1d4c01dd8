#pragma once

#include "app/FirmwareDescriptor.h"

#include <juce_gui_basics/juce_gui_basics.h>

class MainWindow;

//==============================================================================
/**
    The content of Talvion's main window: which firmware will be installed, the device
    selectors, the update and Help buttons and the progress of an update.

    It owns the firmware descriptor in use: the built-in image, or the file named on the command
    line when that could be read.
*/
class ContentComp  : public juce::Component,
                     public juce::Button::Listener,
                     public juce::ChangeListener
{
public:
    ContentComp (MainWindow* owner, const juce::String& commandLine);
    ~ContentComp() override;

    //==============================================================================
    void resized() override;
    void buttonClicked (juce::Button* button) override;
    void changeListenerCallback (juce::ChangeBroadcaster* source) override;

    /** Enables the update button in light green when ready, or disables it in light red. */
    void showReadiness (bool ready);

    /** Asks a running update to stop and waits up to the given time for it; never kills it. */
    void stopUpdate (int timeoutMs);

    /** The firmware descriptor in use. */
    const FirmwareDescriptor* getFirmware() const noexcept  { return firmware; }

    //==============================================================================
    /** Background colours of the update button when ready and when not. */
    static juce::Colour readyColour()                       { return juce::Colours::green.brighter (0.99f); }
    static juce::Colour notReadyColour()                    { return juce::Colours::red.brighter (0.99f); }

private:
    //==============================================================================
    bool loadFirmwareFile (const juce::String& path);

    MainWindow* owner;
    juce::TextButton* updateButton = nullptr;
    juce::ProgressBar* progressBar = nullptr;
    juce::Label* progressLabel = nullptr;
    double progressValue = 0.0;
    juce::TextButton* helpButton = nullptr;
    juce::Label* infoLabel = nullptr;
    juce::Label* warningLabel = nullptr;
    juce::Label* usbNoteLabel = nullptr;
    juce::Label* step1Label = nullptr;
    juce::Label* step2Label = nullptr;
    FirmwareDescriptor* firmware = nullptr;
    juce::TooltipWindow tooltipWindow { nullptr, 700 };

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ContentComp)
};
