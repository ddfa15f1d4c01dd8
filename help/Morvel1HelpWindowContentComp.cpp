#include "help/Morvel1HelpWindowContentComp.h"

#include "help/HelpTexts.h"

Morvel1HelpWindowContentComp::Morvel1HelpWindowContentComp()
    : HelpContentBaseClass (Morvel1HelpText)
{
}

Morvel1HelpWindowContentComp::~Morvel1HelpWindowContentComp() = default;
