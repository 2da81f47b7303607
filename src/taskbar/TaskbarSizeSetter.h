#pragma once

#include <windows.h>

// Changes the taskbar size through the system's registry command.
class CTaskbarSizeSetter {
public:
    // FALSE when the tool must not run on this Windows.
    BOOL IsSupportedSystem();
};
