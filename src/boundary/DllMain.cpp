// The loader's notifications carry no logic: the module-wide objects are
// constructed and destroyed by the C++ run-time around this.
#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID)
{
    return TRUE;
}
