#pragma once

#include "help/HelpWindowbaseClass.h"

//==============================================================================
/**
    The help window with the Korvan Bass Amplifier update procedure. It starts hidden and without a size:
    its owner shows it and calls centreWithSize (550, 400).
*/
class Morvel1HelpWindowClass  : public HelpWindowbaseClass
{
public:
    Morvel1HelpWindowClass();
    ~Morvel1HelpWindowClass() override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (Morvel1HelpWindowClass)
};
