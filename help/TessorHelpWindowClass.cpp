#include "help/TessorHelpWindowClass.h"

#include "help/TessorHelpWindowContentComp.h"

TessorHelpWindowClass::TessorHelpWindowClass()
{
    setHelpContent (std::make_unique<TessorHelpWindowContentComp>(), " Harrow update help ");
}

TessorHelpWindowClass::~TessorHelpWindowClass() = default;
