#include "help/PellanSystemHelpWindowContentComp.h"

#include "help/HelpTexts.h"

PellanSystemHelpWindowContentComp::PellanSystemHelpWindowContentComp()
    : HelpContentBaseClass (PellanSystemHelpText)
{
}

PellanSystemHelpWindowContentComp::~PellanSystemHelpWindowContentComp() = default;
