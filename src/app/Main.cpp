#include "app/LibrarySearch.h"
#include "app/VandrellKelvaneApp.h"
#include "system/Timeline.h"

#include <windows.h>

// The one application object, constructed before wWinMain runs.
CVandrellKelvaneApp theApp;

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    KELVANE_MARK("wWinMain");
    // Before anything loads a library: the tool runs elevated from a folder anyone may write to.
    RestrictLibrarySearch();
    return theApp.Run();
}
