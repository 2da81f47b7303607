#pragma once

#include "taskbar/TaskbarSettingRule.h"

#include <string>
#include <string_view>

// Size codes as the main panel's buttons request them.
enum TaskbarSizeType {
    TASKBAR_SIZE_LARGE = 1,
    TASKBAR_SIZE_MEDIUM = 2,
    TASKBAR_SIZE_SMALL = 3,
};

// The registry tool's own report of success on a Simplified-Chinese system.
inline constexpr std::wstring_view kTaskbarSizeSuccessText = L"操作成功完成";

class TaskbarSizeCommand {
public:
    // The exact command line writing the setting's value for a size code; empty for any other
    // code and where no setting works.
    static std::wstring ForSizeType(int nSizeType,
                                    TaskbarSetting setting = TaskbarSetting::TaskbarSi);
    static bool ReportsSuccess(std::wstring_view output);
    // reg's exit code passes through the interpreter in every display language; its Chinese
    // text is still taken where it is printed.
    static bool Succeeded(bool bStarted, unsigned long nExitCode, std::wstring_view output);
    // One line for a debugger watching a failed change: the command, the system's error when it
    // did not start, else its exit code and output (control characters escaped, kept short).
    static std::wstring FailureReport(std::wstring_view command, bool bStarted,
                                      unsigned long nExitCode, unsigned long nError,
                                      std::wstring_view output);
};
