// The DLL's entry point and its VST 2 entry, exported as main, MAIN and VSTPluginMain by
// SonavelVST.def.
#include "WindowsCalls.h"

#include <windows.h>

extern "C" AEffect* LOADER_CALLER_REMOVES_ARGUMENTS VSTPluginMain (audioMasterCallback host)
{
    return forwardEntry (host);
}

extern "C" BOOL WINAPI DllMain (HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH && ! attachLoader (windowsCalls, instance))
    {
        // Loaders differ on whether a refused attach is followed by a detach: freeing here, with
        // the handle cleared, leaves no real plug-in loaded either way.
        detachLoader ();
        return FALSE;
    }

    if (reason == DLL_PROCESS_DETACH)
        detachLoader ();

    return TRUE;
}
