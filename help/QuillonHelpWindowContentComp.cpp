#include "help/QuillonHelpWindowContentComp.h"

#include "help/HelpTexts.h"

QuillonHelpWindowContentComp::QuillonHelpWindowContentComp()
    : HelpContentBaseClass (QuillonHelpText)
{
}

QuillonHelpWindowContentComp::~QuillonHelpWindowContentComp() = default;
