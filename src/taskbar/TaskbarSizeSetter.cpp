#include "taskbar/TaskbarSizeSetter.h"

#include "log/GbkText.h"
#include "log/LogSave.h"
#include "system/ConsoleCommandRunner.h"
#include "system/ProcessVersion.h"
#include "system/Timeline.h"
#include "taskbar/TaskbarSizeCommand.h"

namespace {

constexpr wchar_t kLogFile[] = L"Kelvane.txt";

void WriteFailure(const wchar_t* pszText) {
    GetLogSave()->WriteLog(ToGbk(pszText), ToGbk(kLogFile), true);
}

} // namespace

const CTaskbarSizeSetter::SystemCalls& CTaskbarSizeSetter::RealSystemCalls() {
    static const SystemCalls calls = {RunConsoleCommand, CreateThread, OpenProcessToken,
                                      AdjustTokenPrivileges, ExitWindowsEx};
    return calls;
}

CTaskbarSizeSetter::CTaskbarSizeSetter(const SystemCalls& calls) : m_pCalls(&calls) {}

BOOL CTaskbarSizeSetter::SetNotifyWnd(HWND hWnd) {
    if (hWnd == nullptr) {
        return FALSE;
    }
    m_hNotifyWnd = hWnd;
    return TRUE;
}

BOOL CTaskbarSizeSetter::StartSetTaskbarSizeThread() {
    HANDLE hThread = m_pCalls->createThread(nullptr, 0, SetTaskbarSizeThreadProc, this, 0, nullptr);
    if (hThread == nullptr) {
        WriteFailure(L"创建设置Win11任务栏大小线程失败");
        return FALSE;
    }
    // The worker runs detached; it reports through its messages.
    CloseHandle(hThread);
    return TRUE;
}

DWORD WINAPI CTaskbarSizeSetter::SetTaskbarSizeThreadProc(LPVOID pParam) {
    static_cast<CTaskbarSizeSetter*>(pParam)->SetTaskbarSize();
    return 1;
}

BOOL CTaskbarSizeSetter::SetTaskbarSize() {
    KELVANE_MARK("worker started");
    // Once the result is handled the tool may close and this object go: nothing of it is read
    // after the first message.
    HWND hNotifyWnd = m_hNotifyWnd;
    const std::wstring strCommand = TaskbarSizeCommand::ForSizeType(
        m_nSizeType, TaskbarSettingRule::ForRelease(ReadProcessVersion()));
    std::wstring strOutput;
    DWORD dwExitCode = STILL_ACTIVE;
    const BOOL bRan = m_pCalls->runConsoleCommand(strCommand, &strOutput, &dwExitCode);
    const DWORD dwError = bRan ? ERROR_SUCCESS : GetLastError();
    // An empty command line runs the interpreter alone, which ends with 0 having done nothing.
    const bool bSucceeded =
        !strCommand.empty() && TaskbarSizeCommand::Succeeded(bRan, dwExitCode, strOutput);
    KELVANE_MARK("worker done");
    if (!bSucceeded) {
        // The record says only that it failed; a debugger (the tests' among them) learns why,
        // before the result prompt waits for its answer.
        OutputDebugStringW(TaskbarSizeCommand::FailureReport(strCommand, bRan != FALSE, dwExitCode,
                                                             dwError, strOutput)
                               .c_str());
    }

    // The working prompt closes before the result shows; the panel handles each before we go on.
    SendMessageW(hNotifyWnd, WM_CLOSE_EXECUTE_PROMPT, 0, 0);
    SendMessageW(hNotifyWnd, WM_SET_TASKBAR_SIZE_RESULT, bSucceeded ? 1 : 2, 0);
    if (bSucceeded) {
        return TRUE;
    }
    WriteFailure(bRan ? L"设置任务栏大小失败" : L"执行设置任务栏大小失败");
    return FALSE;
}

BOOL CTaskbarSizeSetter::IsSupportedSystem() {
    const ConsoleRunner run = [this](const std::wstring& command, std::wstring* output) {
        return m_pCalls->runConsoleCommand(command, output, nullptr) != FALSE;
    };
    // A release on which no value changes the size cannot be served, whatever it is called.
    const SystemVersion version = ReadProcessVersion();
    return TaskbarSettingRule::ForRelease(version) != TaskbarSetting::None &&
                   SupportedSystemRule::IsSupported(version, run)
               ? TRUE
               : FALSE;
}

BOOL CTaskbarSizeSetter::RestartComputer() {
    HANDLE hToken = nullptr;
    if (!m_pCalls->openProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY,
                                    &hToken)) {
        return FALSE;
    }
    TOKEN_PRIVILEGES privileges{};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    LookupPrivilegeValueW(nullptr, SE_SHUTDOWN_NAME, &privileges.Privileges[0].Luid);
    m_pCalls->adjustTokenPrivileges(hToken, FALSE, &privileges, sizeof(privileges), nullptr,
                                    nullptr);
    // The call succeeds even when the token lacks the privilege; only the last error tells.
    const DWORD dwError = GetLastError();
    CloseHandle(hToken);
    if (dwError != ERROR_SUCCESS) {
        return FALSE;
    }
    m_pCalls->exitWindowsEx(EWX_REBOOT | EWX_FORCE, 0);
    return TRUE;
}
