#include "app/Application.h"

Application::Application() = default;

Application::~Application() = default;

void Application::initialise (const juce::String& commandLine)
{
    mainWindow = std::make_unique<MainWindow> (commandLine);
    mainWindow->centreWithSize (650, 400);
    mainWindow->setVisible (true);
    mainWindow->setResizeLimits (650, 400, 650, 400);
}

void Application::shutdown()
{
    mainWindow = nullptr;
}

const juce::String Application::getApplicationName()
{
    return "Talvion by Korvan";
}

const juce::String Application::getApplicationVersion()
{
    return "1.0";
}

bool Application::moreThanOneInstanceAllowed()
{
    return false;
}

void Application::anotherInstanceStarted (const juce::String&)
{
}
