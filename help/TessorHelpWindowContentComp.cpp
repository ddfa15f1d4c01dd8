#include "help/TessorHelpWindowContentComp.h"

#include "help/HelpTexts.h"

TessorHelpWindowContentComp::TessorHelpWindowContentComp()
    : HelpContentBaseClass (TessorHelpText)
{
}

TessorHelpWindowContentComp::~TessorHelpWindowContentComp() = default;
