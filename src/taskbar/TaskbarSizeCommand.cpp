#include "taskbar/TaskbarSizeCommand.h"

namespace {

// Values for large, medium and small. IconSizePreference has no larger taskbar: large is
// "never smaller", medium Windows' default (smaller when full), small "always smaller".
constexpr const wchar_t* kTaskbarSiValues[] = {L"2", L"1", L"0"};
constexpr const wchar_t* kIconSizeValues[] = {L"1", L"2", L"0"};

// A debug monitor's buffer holds about 4 KB in the system's code page.
constexpr std::size_t kReportedOutputChars = 1000;
constexpr wchar_t kHexDigits[] = L"0123456789ABCDEF";

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

std::wstring TaskbarSizeCommand::FailureReport(std::wstring_view command, bool bStarted,
                                               unsigned long nExitCode, unsigned long nError,
                                               std::wstring_view output) {
    std::wstring report = L"Kelvane: size change failed: cmd /C ";
    report += command;
    if (!bStarted) {
        return report + L" | not started, system error " + std::to_wstring(nError);
    }
    report += L" | exit code " + std::to_wstring(nExitCode) + L" | output: ";
    for (const wchar_t c : output.substr(0, kReportedOutputChars)) {
        if (c == L'\r' || c == L'\n') {
            report += c == L'\r' ? L"\\r" : L"\\n";
        } else if (c < L' ') {
            report += L"\\x";
            report += kHexDigits[c >> 4];
            report += kHexDigits[c & 0xF];
        } else {
            report += c;
        }
    }
    if (output.size() > kReportedOutputChars) {
        report += L"...";
    }
    return report;
}
