#include "app/VandrellKelvaneApp.h"

#include <windows.h>

// The one application object, constructed before wWinMain runs.
CVandrellKelvaneApp theApp;

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    return theApp.Run();
}
