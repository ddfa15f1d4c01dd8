#pragma once

#include "help/HelpWindowbaseClass.h"

//==============================================================================
/**
    The help window with the Pellan System update procedure. It starts hidden and without a size:
    its owner shows it and calls centreWithSize (550, 400).
*/
class PellanSystemHelpWindowClass  : public HelpWindowbaseClass
{
public:
    PellanSystemHelpWindowClass();
    ~PellanSystemHelpWindowClass() override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (PellanSystemHelpWindowClass)
};
