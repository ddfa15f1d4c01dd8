#pragma once

#include "help/HelpContentBaseClass.h"

//==============================================================================
/** The content of the Pellan Drive help window: the Pellan Drive update procedure. */
class QuillonHelpWindowContentComp  : public HelpContentBaseClass
{
public:
    QuillonHelpWindowContentComp();
    ~QuillonHelpWindowContentComp() override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (QuillonHelpWindowContentComp)
};
