#include "help/LorbinHelpWindowContentComp.h"

#include "help/HelpTexts.h"

LorbinHelpWindowContentComp::LorbinHelpWindowContentComp()
    : HelpContentBaseClass (LorbinHelpText)
{
}

LorbinHelpWindowContentComp::~LorbinHelpWindowContentComp() = default;
