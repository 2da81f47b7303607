#include "taskbar/TaskbarSizeSetter.h"

#include "system/ConsoleCommandRunner.h"
#include "system/ProcessVersion.h"

BOOL CTaskbarSizeSetter::IsSupportedSystem() {
    const ConsoleRunner run = [](const std::wstring& command, std::wstring* output) {
        return RunConsoleCommand(command, output) != FALSE;
    };
    return SupportedSystemRule::IsSupported(ReadProcessVersion(), run) ? TRUE : FALSE;
}
