// The loader's operating-system table, filled with the Windows API.
#pragma once

#include "Loader.h"

extern const OsCalls windowsCalls;
