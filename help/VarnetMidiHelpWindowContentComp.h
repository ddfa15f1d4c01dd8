#pragma once

#include "help/HelpContentBaseClass.h"

//==============================================================================
/** The content of the Varnet help window: the Varnet update procedure. */
class VarnetMidiHelpWindowContentComp  : public HelpContentBaseClass
{
public:
    VarnetMidiHelpWindowContentComp();
    ~VarnetMidiHelpWindowContentComp() override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (VarnetMidiHelpWindowContentComp)
};
