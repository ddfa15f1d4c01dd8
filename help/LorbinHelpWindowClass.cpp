#include "help/LorbinHelpWindowClass.h"

#include "help/LorbinHelpWindowContentComp.h"

LorbinHelpWindowClass::LorbinHelpWindowClass()
{
    setHelpContent (std::make_unique<LorbinHelpWindowContentComp>(), " Lorbin update help ");
}

LorbinHelpWindowClass::~LorbinHelpWindowClass() = default;
