#include <windows.h>

#include <cstdlib>

#include "taskbar/TaskbarSizeSetter.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    CTaskbarSizeSetter setter;
    if (!setter.IsSupportedSystem()) {
        std::exit(0);
    }
    return 0;
}
