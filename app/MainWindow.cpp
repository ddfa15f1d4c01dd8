#include "app/MainWindow.h"

#include "app/ContentComp.h"

MainWindow::MainWindow (const juce::String& commandLine)
    : ColouredDocumentWindow ({}, juce::Colour (backgroundArgb), juce::Colour (titleBarArgb),
                              juce::DocumentWindow::allButtons, true)
{
    contentComp = new ContentComp (this, commandLine);
    setResizable (true, false);
    setContentOwned (contentComp, false);

    const auto* firmware = contentComp->getFirmware();
    auto title = firmware->getName() + " version " + juce::String (firmware->getVersion(), 2);

    if (firmware->getBuild() != 0)
        title << " - R" << firmware->getBuild();

    setName (title);
    setVisible (true);
}

MainWindow::~MainWindow()
{
    // The content withdraws the look and feel as it goes, which tells every window on the desktop
    // to redraw itself: this one must still be whole then.
    clearContentComponent();
    contentComp = nullptr;
}

void MainWindow::closeButtonPressed()
{
    if (contentComp != nullptr)
        contentComp->stopUpdate (5000);

    if (auto* application = juce::JUCEApplicationBase::getInstance())
        application->systemRequestedQuit();
}
