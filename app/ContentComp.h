#pragma once

#include "app/FirmwareDescriptor.h"
#include "look/TemplateLookAndFeel.h"
#include "protocol/ProtocolTiming.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

class MainWindow;
class MidiInterfaceClass;
class ProtocolBaseClass;
class VarnetMidiHelpWindowClass;

//==============================================================================
/**
    The content of Talvion's main window: which firmware will be installed, the device
    selectors, the update and Help buttons and the progress of an update.

    It owns the firmware descriptor in use (the built-in image, or the file named on the command
    line when that could be read), the update protocol that sends it (the Varnet procedure, or
    the generic SysEx upload for a file) and the help window. It installs the program's look and
    feel before anything else exists and withdraws it after everything else has gone.
*/
class ContentComp  : public juce::Component,
                     public juce::Button::Listener,
                     public juce::ChangeListener
{
public:
    /** Builds the content for the firmware that the command line names (or the built-in one).
        The update protocols pace themselves by the given timing: real time unless a test
        wants its pauses shorter. */
    ContentComp (MainWindow* owner, const juce::String& commandLine,
                 ProtocolTiming& timing = ProtocolTiming::getRealTime());

    /** Builds the content with the given image in place of the built-in one, for a test that
        needs a Varnet firmware of another version or build. */
    ContentComp (MainWindow* owner, std::unique_ptr<FirmwareDescriptor> builtInFirmware,
                 const juce::String& commandLine, ProtocolTiming& timing);
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

    /** The device selectors and the connection that the update goes through. */
    MidiInterfaceClass* getDeviceInterface() const noexcept { return deviceInterface; }

    /** The update protocol: the Varnet procedure, or the generic upload of a loaded file. */
    ProtocolBaseClass* getProtocol() const noexcept         { return protocol.get(); }

    /** The help window that the Help button shows and hides. */
    VarnetMidiHelpWindowClass* getHelpWindow() const noexcept { return helpWindow.get(); }

    //==============================================================================
    /** Background colours of the update button when ready and when not. */
    static juce::Colour readyColour()                       { return juce::Colours::green.brighter (0.99f); }
    static juce::Colour notReadyColour()                    { return juce::Colours::red.brighter (0.99f); }

private:
    //==============================================================================
    bool loadFirmwareFile (const juce::String& path, ProtocolTiming& timing);
    void deviceInterfaceChanged();
    void progressChanged();

    std::unique_ptr<VarnetMidiHelpWindowClass> helpWindow;
    MainWindow* owner;
    MidiInterfaceClass* deviceInterface = nullptr;
    std::unique_ptr<ProtocolBaseClass> protocol;
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
    TemplateLookAndFeel lookAndFeel;
    juce::TooltipWindow tooltipWindow { nullptr, 700 };

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ContentComp)
};
