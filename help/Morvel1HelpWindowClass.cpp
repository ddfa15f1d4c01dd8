#include "help/Morvel1HelpWindowClass.h"

#include "help/Morvel1HelpWindowContentComp.h"

Morvel1HelpWindowClass::Morvel1HelpWindowClass()
{
    setHelpContent (std::make_unique<Morvel1HelpWindowContentComp>(), " Morvel update help ");
}

Morvel1HelpWindowClass::~Morvel1HelpWindowClass() = default;
