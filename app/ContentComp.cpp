#include "app/ContentComp.h"

#include "app/BuiltInFirmwareDescriptor.h"
#include "app/FileFirmwareDescriptor.h"
#include "app/MainWindow.h"
#include "app/MessageBoxes.h"
#include "device/MidiInterfaceClass.h"
#include "help/VarnetMidiHelpWindowClass.h"
#include "protocol/BasicSysexProtocolClass.h"
#include "protocol/VarnetProtocolClass.h"

ContentComp::ContentComp (MainWindow* ownerWindow, const juce::String& commandLine, ProtocolTiming& timing)
    : ContentComp (ownerWindow, std::make_unique<BuiltInFirmwareDescriptor>(), commandLine, timing)
{
}

ContentComp::ContentComp (MainWindow* ownerWindow, std::unique_ptr<FirmwareDescriptor> builtInFirmware,
                          const juce::String& commandLine, ProtocolTiming& timing)
    : owner (ownerWindow)
{
    juce::LookAndFeel::setDefaultLookAndFeel (&lookAndFeel);

    helpWindow = std::make_unique<VarnetMidiHelpWindowClass>();
    deviceInterface = new MidiInterfaceClass (true, true);

    jassert (builtInFirmware != nullptr);
    firmware = builtInFirmware.release();
    firmware->setName ("Varnet");

    protocol = std::make_unique<VarnetProtocolClass> (deviceInterface, firmware, timing);

    const auto fileLoaded = commandLine.isNotEmpty() && loadFirmwareFile (commandLine, timing);

    addAndMakeVisible (deviceInterface);
    protocol->addChangeListener (this);
    deviceInterface->addChangeListener (this);

    juce::String info ("This software updater will update your " + firmware->getName());

    if (fileLoaded)
    {
        info << " firmware from the loaded sysex file";
    }
    else
    {
        info << " firmware to version " << juce::String (firmware->getVersion(), 2);

        if (firmware->getBuild() != 0)
            info << " - R" << firmware->getBuild();
    }

    infoLabel = new juce::Label ({}, info);
    addAndMakeVisible (infoLabel);

    if (firmware->getVersion() > 3.0)
    {
        warningLabel = new juce::Label ({}, "This software updater is only able to update Varnet firmware from version 3.00 and above. "
                                            "If you have an older version of the Varnet firmware, please update to 3.00 prior to using this software updater!");
        warningLabel->setColour (juce::Label::textColourId, juce::Colour (0xffff6347));
        warningLabel->setColour (juce::Label::backgroundColourId, juce::Colours::white);
        warningLabel->setColour (juce::Label::outlineColourId, juce::Colour (0xff808080).withAlpha (0.7f));
        warningLabel->setColour (juce::Label::backgroundWhenEditingColourId, juce::Colours::transparentBlack);
        warningLabel->setColour (juce::Label::textWhenEditingColourId, juce::Colours::black);
        warningLabel->setColour (juce::Label::outlineWhenEditingColourId, juce::Colour (0x401111ee));
        addAndMakeVisible (warningLabel);
    }

    step1Label = new juce::Label ({}, "STEP1");
    usbNoteLabel = new juce::Label ({}, "In Windows XP, the Varnet input/output-device is called \"USB Audio Device\"");
    step2Label = new juce::Label ({}, "STEP2");
    addAndMakeVisible (step1Label);
    addAndMakeVisible (usbNoteLabel);
    addAndMakeVisible (step2Label);

    updateButton = new juce::TextButton ("update", "click here to update the product");
    addAndMakeVisible (updateButton);
    updateButton->addListener (this);
    updateButton->setConnectedEdges (juce::Button::ConnectedOnLeft);
    showReadiness (deviceInterface->isConnected());

    progressValue = 0.0;
    progressBar = new juce::ProgressBar (progressValue);
    addAndMakeVisible (progressBar);

    progressLabel = new juce::Label ({}, "Update progress:");
    progressLabel->attachToComponent (progressBar, false);

    helpButton = new juce::TextButton ("Help", "click here to get help");
    addAndMakeVisible (helpButton);
    helpButton->addListener (this);
}

ContentComp::~ContentComp()
{
    // The protocol thread uses the device interface and the descriptor until it has stopped.
    protocol = nullptr;
    deleteAllChildren();
    deviceInterface = nullptr;
    delete firmware;
    firmware = nullptr;
    helpWindow = nullptr;

    // The tooltip window and anything else still alive must not draw with a destroyed look.
    juce::LookAndFeel::setDefaultLookAndFeel (nullptr);
}

bool ContentComp::loadFirmwareFile (const juce::String& path, ProtocolTiming& timing)
{
    auto fileFirmware = std::make_unique<FileFirmwareDescriptor> (path);

    if (fileFirmware->getData() == nullptr)
        return false;

    // A file is sent as it stands, by the generic upload; the Varnet procedure that held the old
    // descriptor goes first (its thread never ran).
    protocol = nullptr;
    delete firmware;
    firmware = fileFirmware.release();
    protocol = std::make_unique<BasicSysexProtocolClass> (deviceInterface, firmware, timing);
    return true;
}

void ContentComp::resized()
{
    const auto w = getWidth();

    infoLabel->setBounds (10, 15, w - 20, 50);
    helpButton->setBounds (w - 104, 2, 94, 30);
    step1Label->setBounds (10, infoLabel->getBottom() + 5, w - 20, 30);
    deviceInterface->setBounds (10, step1Label->getBottom() + 5, w - 20, deviceInterface->getPreferredHeight());

    const auto deviceAreaBottom = deviceInterface->getBottom();

    if (warningLabel != nullptr)
    {
        warningLabel->setBounds (10, deviceAreaBottom + 10, w - 20, 50);
        step2Label->setBounds (10, warningLabel->getBottom() + 5, w - 20, 30);
    }
    else
    {
        step2Label->setBounds (10, deviceAreaBottom + 10, w - 20, 30);
    }

    updateButton->setBounds (w - 104, step2Label->getBottom() + 20, 94, 30);
    progressBar->setBounds (10, step2Label->getBottom() + 20, w - 114, 30);

    helpWindow->centreWithSize (550, 400);
}

void ContentComp::buttonClicked (juce::Button* button)
{
    if (button == updateButton)
    {
        if (deviceInterface->isConnected())
        {
            progressValue = 0.0;
            protocol->startUpdate();
            updateButton->setEnabled (false);
        }
        else
        {
            showMessageBox (juce::MessageBoxIconType::WarningIcon, {}, "Please select an output device:");
        }
    }
    else if (button == helpButton)
    {
        helpWindow->setVisible (! helpWindow->isVisible());
        helpWindow->centreWithSize (550, 400);
    }
}

void ContentComp::changeListenerCallback (juce::ChangeBroadcaster* source)
{
    if (source == deviceInterface)
        deviceInterfaceChanged();
    else if (source == protocol.get())
        progressChanged();

    repaint();
}

void ContentComp::deviceInterfaceChanged()
{
    const auto updating = progressValue != 0.0 && progressValue != 1.0;
    deviceInterface->setEnabled (! (updating && deviceInterface->isEnabled()));
    showReadiness (deviceInterface->isConnected());
}

// Runs on the protocol thread for a value change (under the message-manager lock) and on the
// message thread for a text change.
void ContentComp::progressChanged()
{
    progressValue = protocol->getProgress();

    if (progressValue == 1.0)
    {
        updateButton->setEnabled (true);
        deviceInterface->setEnabled (true);
    }
    else if (progressValue == 0.0)
    {
        // At 0 an update is starting or has failed. New firmware already shows 1.0 during its
        // last burn pass, which enabled the button, so a failure in the status query that
        // follows must take it back: it returns only through a selector change, and the
        // selectors must therefore be usable.
        updateButton->setEnabled (false);
        deviceInterface->setEnabled (true);
    }

    progressLabel->setText ("Update progress: " + protocol->getMessage(), juce::dontSendNotification);
}

void ContentComp::showReadiness (bool ready)
{
    const auto colour = ready ? readyColour() : notReadyColour();
    updateButton->setEnabled (ready);
    updateButton->setColour (juce::TextButton::buttonColourId, colour);
    updateButton->setColour (juce::TextButton::buttonOnColourId, colour);
}

void ContentComp::stopUpdate (int timeoutMs)
{
    if (protocol != nullptr)
    {
        protocol->signalThreadShouldExit();
        protocol->waitForThreadToExit (timeoutMs);
    }
}
