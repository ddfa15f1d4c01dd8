#include "help/VarnetMidiHelpWindowClass.h"

#include "help/VarnetMidiHelpWindowContentComp.h"

VarnetMidiHelpWindowClass::VarnetMidiHelpWindowClass()
{
    setHelpContent (std::make_unique<VarnetMidiHelpWindowContentComp>(), " Varnet update help ");
}

VarnetMidiHelpWindowClass::~VarnetMidiHelpWindowClass() = default;
