#pragma once

#include "help/HelpContentBaseClass.h"

//==============================================================================
/** The content of the Korvan Bass Amplifier help window: the Korvan Bass Amplifier update procedure. */
class Morvel1HelpWindowContentComp  : public HelpContentBaseClass
{
public:
    Morvel1HelpWindowContentComp();
    ~Morvel1HelpWindowContentComp() override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (Morvel1HelpWindowContentComp)
};
