#include "taskbar/TaskbarSizeCommand.h"

namespace {

// Values for large, medium and small. IconSizePreference has no larger taskbar: large is
// "never smaller", medium Windows' default (smaller when full), small "always smaller".
constexpr const wchar_t* kTaskbarSiValues[] = {L"2", L"1", L"0"};
constexpr const wchar_t* kIconSizeValues[] = {L"1", L"2", L"0"};

} // namespace

std::wstring TaskbarSizeCommand::ForSizeType(int nSizeType, TaskbarSetting setting) {
    if (nSizeType < TASKBAR_SIZE_LARGE || nSizeType > TASKBAR_SIZE_SMALL ||
        setting == TaskbarSetting::None) {
        return {};
    }
    const bool bTaskbarSi = setting == TaskbarSetting::TaskbarSi;
    const auto nIndex = static_cast<std::size_t>(nSizeType - TASKBAR_SIZE_LARGE);
    return std::wstring(L"reg add \"HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion"
                        L"\\Explorer\\Advanced\" /v \"") +
           (bTaskbarSi ? L"TaskbarSi" : L"IconSizePreference") + L"\" /d " +
           (bTaskbarSi ? kTaskbarSiValues : kIconSizeValues)[nIndex] + L" /t REG_DWORD /F";
}

bool TaskbarSizeCommand::ReportsSuccess(std::wstring_view output) {
    return output.find(kTaskbarSizeSuccessText) != std::wstring_view::npos;
}

bool TaskbarSizeCommand::Succeeded(bool bStarted, unsigned long nExitCode,
                                   std::wstring_view output) {
    return bStarted && (nExitCode == 0 || ReportsSuccess(output));
}
