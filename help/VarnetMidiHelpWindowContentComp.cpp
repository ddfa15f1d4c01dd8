#include "help/VarnetMidiHelpWindowContentComp.h"

#include "help/HelpTexts.h"

VarnetMidiHelpWindowContentComp::VarnetMidiHelpWindowContentComp()
    : HelpContentBaseClass (VarnetMidiHelpText)
{
}

VarnetMidiHelpWindowContentComp::~VarnetMidiHelpWindowContentComp() = default;
