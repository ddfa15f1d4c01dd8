#pragma once

#include "help/HelpWindowbaseClass.h"

//==============================================================================
/**
    The help window with the Pellan Drive update procedure. It starts hidden and without a size:
    its owner shows it and calls centreWithSize (550, 400).
*/
class QuillonHelpWindowClass  : public HelpWindowbaseClass
{
public:
    QuillonHelpWindowClass();
    ~QuillonHelpWindowClass() override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (QuillonHelpWindowClass)
};
