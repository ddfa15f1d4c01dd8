#include "help/QuillonHelpWindowClass.h"

#include "help/QuillonHelpWindowContentComp.h"

QuillonHelpWindowClass::QuillonHelpWindowClass()
{
    setHelpContent (std::make_unique<QuillonHelpWindowContentComp>(), " Pellan Drive update help ");
}

QuillonHelpWindowClass::~QuillonHelpWindowClass() = default;
