#pragma once

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
    // The exact command line writing the value for a size code; empty for any other code.
    static std::wstring ForSizeType(int nSizeType);
    static bool ReportsSuccess(std::wstring_view output);
};
