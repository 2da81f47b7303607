#include "UiProcess.h"

#include "UiDriverError.h"

#include <vector>

UiProcess::UiProcess(const std::wstring& exe, const std::wstring& arguments,
                     const std::wstring& folder, const std::wstring& desktop) {
    std::wstring line = L"\"" + exe + L"\"";
    if (!arguments.empty()) {
        line += L" " + arguments;
    }
    // CreateProcessW may write into the command line.
    std::vector<wchar_t> buffer(line.begin(), line.end());
    buffer.push_back(L'\0');
    std::vector<wchar_t> desktopName(desktop.begin(), desktop.end());
    desktopName.push_back(L'\0');
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.lpDesktop = desktop.empty() ? nullptr : desktopName.data();
    if (!CreateProcessW(exe.c_str(), buffer.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &startup, &m_info)) {
        const DWORD error = GetLastError();
        throw UiDriverError(L"cannot start " + exe + L" in \"" + folder + L"\": error " +
                            std::to_wstring(error));
    }
}

UiProcess::~UiProcess() {
    if (IsRunning()) {
        Terminate(1);
    }
    CloseHandle(m_info.hThread);
    CloseHandle(m_info.hProcess);
}

bool UiProcess::WaitForInputIdle(DWORD timeoutMs) const {
    return ::WaitForInputIdle(m_info.hProcess, timeoutMs) == 0;
}

bool UiProcess::IsRunning() const {
    return WaitForSingleObject(m_info.hProcess, 0) == WAIT_TIMEOUT;
}

std::optional<DWORD> UiProcess::WaitForExit(DWORD timeoutMs) const {
    if (WaitForSingleObject(m_info.hProcess, timeoutMs) != WAIT_OBJECT_0) {
        return std::nullopt;
    }
    DWORD code = 0;
    GetExitCodeProcess(m_info.hProcess, &code);
    return code;
}

void UiProcess::Terminate(UINT exitCode) {
    TerminateProcess(m_info.hProcess, exitCode);
    WaitForSingleObject(m_info.hProcess, 5000);
}
