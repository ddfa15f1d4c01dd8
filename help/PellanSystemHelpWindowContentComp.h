#pragma once

#include "help/HelpContentBaseClass.h"

//==============================================================================
/** The content of the Pellan System help window: the Pellan System update procedure. */
class PellanSystemHelpWindowContentComp  : public HelpContentBaseClass
{
public:
    PellanSystemHelpWindowContentComp();
    ~PellanSystemHelpWindowContentComp() override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (PellanSystemHelpWindowContentComp)
};
