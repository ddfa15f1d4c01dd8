#pragma once

#include <juce_core/juce_core.h>

/** The update procedures that the help windows show, one per product, each line ending in a
    line feed. */
extern const juce::String VarnetMidiHelpText;
extern const juce::String LorbinHelpText;
extern const juce::String QuillonHelpText;
extern const juce::String PellanSystemHelpText;
extern const juce::String Morvel1HelpText;
extern const juce::String TessorHelpText;
