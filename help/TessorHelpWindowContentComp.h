#pragma once

#include "help/HelpContentBaseClass.h"

//==============================================================================
/** The content of the Tessor help window: the Tessor update procedure. */
class TessorHelpWindowContentComp  : public HelpContentBaseClass
{
public:
    TessorHelpWindowContentComp();
    ~TessorHelpWindowContentComp() override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (TessorHelpWindowContentComp)
};
