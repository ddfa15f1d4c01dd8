#include <gtest/gtest.h>
#include <juce_gui_basics/juce_gui_basics.h>

// Components, change broadcasters and the message-manager lock all need JUCE's message manager,
// with the test body running on the message thread.
int main (int argc, char** argv)
{
    ::testing::InitGoogleTest (&argc, argv);

    // JUCE installs its forgiving X error handlers only in a standalone app; without a window
    // manager on Xvfb, Xlib's default handler would end the process at the first missing atom.
    // The factory is never called.
    juce::JUCEApplicationBase::createInstance = [] () -> juce::JUCEApplicationBase* { return nullptr; };

    const juce::ScopedJuceInitialiser_GUI juce;
    return RUN_ALL_TESTS();
}
