// What a test real plug-in saw of the loader, shared by the test real plug-ins and the test host.
#pragma once

#include "Loader.h"

#include <windows.h>

struct RealPluginRecord
{
    audioMasterCallback host;
    const char* pluginName;
    int32_t polyvane;
    int32_t calls;
    AEffect* nextResult;                // what the next ConnectVST returns
    char directoryAtAttach[MAX_PATH];   // the current directory while the loader loaded it
};

// Exported by every test real plug-in as "testRecord".
using TestRecordFunction = RealPluginRecord* (*) ();
