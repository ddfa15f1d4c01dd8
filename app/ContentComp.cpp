#include "app/ContentComp.h"

#include "app/BuiltInFirmwareDescriptor.h"
#include "app/FileFirmwareDescriptor.h"
#include "app/MainWindow.h"

namespace
{
    constexpr int deviceAreaHeight = 100;
}

ContentComp::ContentComp (MainWindow* ownerWindow, const juce::String& commandLine)
    : owner (ownerWindow)
{
    firmware = new BuiltInFirmwareDescriptor();
    firmware->setName ("Varnet");

    const auto fileLoaded = commandLine.isNotEmpty() && loadFirmwareFile (commandLine);

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
    showReadiness (false);

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
    deleteAllChildren();
    delete firmware;
    firmware = nullptr;
}

bool ContentComp::loadFirmwareFile (const juce::String& path)
{
    auto fileFirmware = std::make_unique<FileFirmwareDescriptor> (path);

    if (fileFirmware->getData() == nullptr)
        return false;

    delete firmware;
    firmware = fileFirmware.release();
    return true;
}

void ContentComp::resized()
{
    const auto w = getWidth();

    infoLabel->setBounds (10, 15, w - 20, 50);
    helpButton->setBounds (w - 104, 2, 94, 30);
    step1Label->setBounds (10, infoLabel->getBottom() + 5, w - 20, 30);

    const auto deviceAreaBottom = step1Label->getBottom() + 5 + deviceAreaHeight;

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
}

void ContentComp::buttonClicked (juce::Button*)
{
}

void ContentComp::changeListenerCallback (juce::ChangeBroadcaster*)
{
    repaint();
}

void ContentComp::showReadiness (bool ready)
{
    const auto colour = ready ? readyColour() : notReadyColour();
    updateButton->setEnabled (ready);
    updateButton->setColour (juce::TextButton::buttonColourId, colour);
    updateButton->setColour (juce::TextButton::buttonOnColourId, colour);
}

void ContentComp::stopUpdate (int)
{
}
