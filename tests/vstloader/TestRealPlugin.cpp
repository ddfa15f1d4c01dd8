// Stands in for the real plug-in "SonavelVST.dll" or "SonavelVSTi.dll" in the Wine tests. Built
// as three variants: REAL_PLUGIN_WORKING exports ConnectVST, REAL_PLUGIN_NOENTRY does not, and
// REAL_PLUGIN_REFUSING fails its own attach so that loading it fails.
#include "RealPluginRecord.h"

namespace
{
// Lives as long as the DLL; the test host reads and sets it through testRecord.
RealPluginRecord record = {};
} // namespace

extern "C" __declspec (dllexport) RealPluginRecord* testRecord()
{
    return &record;
}

#if defined(REAL_PLUGIN_WORKING)
extern "C" __declspec (dllexport) AEffect* WINAPI ConnectVST (audioMasterCallback host, const char* pluginName,
                                                              int32_t polyvane)
{
    record.host = host;
    record.pluginName = pluginName;
    record.polyvane = polyvane;
    ++record.calls;
    return record.nextResult;
}
#endif

extern "C" BOOL WINAPI DllMain (HINSTANCE, DWORD reason, LPVOID)
{
    if (reason != DLL_PROCESS_ATTACH)
        return TRUE;

#if defined(REAL_PLUGIN_REFUSING)
    return FALSE;
#else
    const DWORD length = GetCurrentDirectoryA (sizeof record.directoryAtAttach, record.directoryAtAttach);
    return length != 0 && length < sizeof record.directoryAtAttach;
#endif
}
