#include <gtest/gtest.h>
#include <juce_gui_basics/juce_gui_basics.h>

// Components, change broadcasters and the message-manager lock all need JUCE's message manager,
// with the test body running on the message thread.
int main (int argc, char** argv)
{
    ::testing::InitGoogleTest (&argc, argv);
    const juce::ScopedJuceInitialiser_GUI juce;
    return RUN_ALL_TESTS();
}
