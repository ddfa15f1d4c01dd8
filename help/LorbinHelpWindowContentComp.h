#pragma once

#include "help/HelpContentBaseClass.h"

//==============================================================================
/** The content of the Lorbin help window: the Lorbin update procedure. */
class LorbinHelpWindowContentComp  : public HelpContentBaseClass
{
public:
    LorbinHelpWindowContentComp();
    ~LorbinHelpWindowContentComp() override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (LorbinHelpWindowContentComp)
};
