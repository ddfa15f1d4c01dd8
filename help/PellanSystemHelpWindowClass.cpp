#include "help/PellanSystemHelpWindowClass.h"

#include "help/PellanSystemHelpWindowContentComp.h"

PellanSystemHelpWindowClass::PellanSystemHelpWindowClass()
{
    setHelpContent (std::make_unique<PellanSystemHelpWindowContentComp>(), " Pellan System update help ");
}

PellanSystemHelpWindowClass::~PellanSystemHelpWindowClass() = default;
