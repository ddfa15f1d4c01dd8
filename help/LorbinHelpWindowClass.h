#pragma once

#include "help/HelpWindowbaseClass.h"

//==============================================================================
/**
    The help window with the Lorbin update procedure. It starts hidden and without a size:
    its owner shows it and calls centreWithSize (550, 400).
*/
class LorbinHelpWindowClass  : public HelpWindowbaseClass
{
public:
    LorbinHelpWindowClass();
    ~LorbinHelpWindowClass() override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (LorbinHelpWindowClass)
};
