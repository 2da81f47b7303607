// The size worker for real: reg writes the value, a hidden window stands in for the panel.
// Runs in a private prefix (tests/win/taskbar.cmake), once under a Chinese and once under an
// English locale, because it changes the registry and the machine-wide log folder.
#include "taskbar/TaskbarSizeCommand.h"
#include "taskbar/TaskbarSizeSetter.h"

#include "WinTestSupport.h"
#include "WindowKit.h"

#include <shlobj.h>

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace {

constexpr wchar_t kAdvancedKey[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced";

std::wstring LogFilePath() {
    wchar_t folder[MAX_PATH] = {};
    SHGetSpecialFolderPathW(nullptr, folder, CSIDL_COMMON_APPDATA, FALSE);
    return std::wstring(folder) + L"\\ToolLog\\Kelvane.txt";
}

std::optional<DWORD> ReadTaskbarSi() {
    DWORD value = 0, size = sizeof(value), type = 0;
    if (RegGetValueW(HKEY_CURRENT_USER, kAdvancedKey, L"TaskbarSi", RRF_RT_ANY, &type, &value,
                     &size) != ERROR_SUCCESS ||
        type != REG_DWORD) {
        return std::nullopt;
    }
    return value;
}

void WriteTaskbarSi(DWORD value) {
    RegSetKeyValueW(HKEY_CURRENT_USER, kAdvancedKey, L"TaskbarSi", REG_DWORD, &value,
                    sizeof(value));
}

// Log lines whose text after the time stamp ("[...ms]   ") is exactly `text` in GBK.
int CountLogLines(const std::string& log, const wchar_t* text) {
    const std::string wanted = ToCodePage(text, 936) + "\r\n";
    const std::string stampEnd = "ms]   ";
    int count = 0;
    for (std::size_t pos = 0; pos < log.size();) {
        std::size_t end = log.find("\r\n", pos);
        end = end == std::string::npos ? log.size() : end + 2;
        const std::string line = log.substr(pos, end - pos);
        const std::size_t body = line.find(stampEnd);
        if (line.rfind("[", 0) == 0 && body != std::string::npos &&
            line.substr(body + stampEnd.size()) == wanted) {
            ++count;
        }
        pos = end;
    }
    return count;
}

// A hidden window standing in for the panel: records what the worker sends, and what the log
// held while the result was being handled.
class Receiver {
public:
    Receiver() {
        WNDCLASSW wc{};
        wc.lpfnWndProc = Proc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"KelvaneTestReceiver";
        RegisterClassW(&wc);
        m_hWnd = CreateWindowExW(0, wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                 wc.hInstance, this);
    }
    ~Receiver() { DestroyWindow(m_hWnd); }

    HWND Handle() const { return m_hWnd; }

    // Handles messages until `done` holds (checked after each wake-up) or time runs out.
    bool PumpUntil(const std::function<bool()>& done, HANDLE hWait = nullptr) {
        return ::PumpUntil(done, 60000, hWait);
    }

    std::vector<std::pair<UINT, WPARAM>> messages;
    std::string logAtResult;

private:
    static LRESULT CALLBACK Proc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
        if (msg == WM_NCCREATE) {
            SetWindowLongPtrW(hWnd, GWLP_USERDATA,
                              reinterpret_cast<LONG_PTR>(
                                  reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
        }
        auto* self = reinterpret_cast<Receiver*>(GetWindowLongPtrW(hWnd, GWLP_USERDATA));
        if (self != nullptr &&
            (msg == WM_CLOSE_EXECUTE_PROMPT || msg == WM_SET_TASKBAR_SIZE_RESULT)) {
            self->messages.emplace_back(msg, wParam);
            if (msg == WM_SET_TASKBAR_SIZE_RESULT) {
                // Give a failure record every chance to appear early, as a slow user would.
                Sleep(300);
                self->logAtResult = ReadBytes(LogFilePath());
            }
            return 0;
        }
        return DefWindowProcW(hWnd, msg, wParam, lParam);
    }

    HWND m_hWnd = nullptr;
};

const std::vector<std::pair<UINT, WPARAM>> kSuccess = {{WM_CLOSE_EXECUTE_PROMPT, 0},
                                                       {WM_SET_TASKBAR_SIZE_RESULT, 1}};
const std::vector<std::pair<UINT, WPARAM>> kFailure = {{WM_CLOSE_EXECUTE_PROMPT, 0},
                                                       {WM_SET_TASKBAR_SIZE_RESULT, 2}};

class TaskbarSizeSetter : public testing::Test {
protected:
    void SetUp() override {
        DeleteFileW(LogFilePath().c_str());
        ASSERT_NE(m_receiver.Handle(), nullptr);
    }

    // Runs the worker on a thread of our own, so its exit code can be read.
    DWORD RunWorker(CTaskbarSizeSetter& setter, int nSizeType) {
        setter.m_nSizeType = nSizeType;
        EXPECT_EQ(setter.SetNotifyWnd(m_receiver.Handle()), TRUE);
        HANDLE hThread = CreateThread(nullptr, 0, CTaskbarSizeSetter::SetTaskbarSizeThreadProc,
                                      &setter, 0, nullptr);
        EXPECT_NE(hThread, nullptr);
        EXPECT_TRUE(m_receiver.PumpUntil(
            [&] { return WaitForSingleObject(hThread, 0) == WAIT_OBJECT_0; }, hThread));
        DWORD dwExit = 0;
        GetExitCodeThread(hThread, &dwExit);
        CloseHandle(hThread);
        return dwExit;
    }

    std::string Log() const { return ReadBytes(LogFilePath()); }

    Receiver m_receiver;
};

BOOL FailingRunner(std::wstring, std::wstring*, DWORD*) {
    return FALSE;
}

HANDLE WINAPI FailingCreateThread(LPSECURITY_ATTRIBUTES, SIZE_T, LPTHREAD_START_ROUTINE, LPVOID,
                                  DWORD, LPDWORD) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
}

struct RestartRequest {
    UINT flags;
    DWORD reason;
};
std::vector<RestartRequest> g_restartRequests;

BOOL WINAPI RecordingExitWindowsEx(UINT flags, DWORD reason) {
    g_restartRequests.push_back({flags, reason});
    return TRUE;
}

BOOL WINAPI NotAllAssigned(HANDLE, BOOL, PTOKEN_PRIVILEGES, DWORD, PTOKEN_PRIVILEGES, PDWORD) {
    SetLastError(ERROR_NOT_ALL_ASSIGNED);
    return TRUE;
}

BOOL WINAPI NoToken(HANDLE, DWORD, PHANDLE) {
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
}

CTaskbarSizeSetter::SystemCalls With(void (*change)(CTaskbarSizeSetter::SystemCalls&)) {
    CTaskbarSizeSetter::SystemCalls calls = CTaskbarSizeSetter::RealSystemCalls();
    change(calls);
    return calls;
}

} // namespace

TEST_F(TaskbarSizeSetter, EachSizeWritesItsValueAndReportsSuccess) {
    for (const auto& [code, value] : {std::pair{1, 2u}, {2, 1u}, {3, 0u}}) {
        WriteTaskbarSi(7);
        m_receiver.messages.clear();
        CTaskbarSizeSetter setter;
        EXPECT_EQ(RunWorker(setter, code), 1u) << "code " << code;
        EXPECT_EQ(m_receiver.messages, kSuccess) << "code " << code;
        EXPECT_EQ(ReadTaskbarSi(), std::optional<DWORD>(value)) << "code " << code;
    }
    EXPECT_EQ(Log(), "") << "success is never logged";
}

TEST_F(TaskbarSizeSetter, OtherCodesRunNothingAndFailAfterTheResultIsHandled) {
    for (int code : {0, 4}) {
        DeleteFileW(LogFilePath().c_str());
        WriteTaskbarSi(7);
        m_receiver.messages.clear();
        CTaskbarSizeSetter setter;
        EXPECT_EQ(RunWorker(setter, code), 1u);
        EXPECT_EQ(m_receiver.messages, kFailure) << "code " << code;
        EXPECT_EQ(ReadTaskbarSi(), std::optional<DWORD>(7)) << "code " << code;
        EXPECT_EQ(CountLogLines(m_receiver.logAtResult, L"设置任务栏大小失败"), 0);
        EXPECT_EQ(CountLogLines(Log(), L"设置任务栏大小失败"), 1) << "code " << code;
    }
}

TEST_F(TaskbarSizeSetter, RunnerFailureHasItsOwnRecord) {
    const auto calls = With([](auto& c) { c.runConsoleCommand = FailingRunner; });
    CTaskbarSizeSetter setter(calls);
    EXPECT_EQ(RunWorker(setter, 2), 1u);
    EXPECT_EQ(m_receiver.messages, kFailure);
    EXPECT_EQ(CountLogLines(m_receiver.logAtResult, L"执行设置任务栏大小失败"), 0);
    EXPECT_EQ(CountLogLines(Log(), L"执行设置任务栏大小失败"), 1);
    EXPECT_EQ(CountLogLines(Log(), L"设置任务栏大小失败"), 0);
}

TEST_F(TaskbarSizeSetter, DetachedWorkerReportsThroughItsMessages) {
    WriteTaskbarSi(7);
    CTaskbarSizeSetter setter;
    setter.m_nSizeType = TASKBAR_SIZE_SMALL;
    ASSERT_EQ(setter.SetNotifyWnd(m_receiver.Handle()), TRUE);
    EXPECT_EQ(setter.StartSetTaskbarSizeThread(), TRUE);
    EXPECT_TRUE(m_receiver.PumpUntil([&] { return m_receiver.messages.size() == 2; }));
    EXPECT_EQ(m_receiver.messages, kSuccess);
    EXPECT_EQ(ReadTaskbarSi(), std::optional<DWORD>(0));
}

TEST_F(TaskbarSizeSetter, ThreadThatCannotStartIsLoggedWithoutMessages) {
    const auto calls = With([](auto& c) { c.createThread = FailingCreateThread; });
    CTaskbarSizeSetter setter(calls);
    setter.m_nSizeType = TASKBAR_SIZE_LARGE;
    setter.SetNotifyWnd(m_receiver.Handle());
    EXPECT_EQ(setter.StartSetTaskbarSizeThread(), FALSE);
    m_receiver.PumpUntil([] { return true; });
    EXPECT_TRUE(m_receiver.messages.empty());
    EXPECT_EQ(CountLogLines(Log(), L"创建设置Win11任务栏大小线程失败"), 1);
}

TEST_F(TaskbarSizeSetter, NotifyWindowMustExist) {
    CTaskbarSizeSetter setter;
    EXPECT_EQ(setter.SetNotifyWnd(nullptr), FALSE);
    EXPECT_EQ(setter.m_hNotifyWnd, nullptr);
    EXPECT_EQ(setter.SetNotifyWnd(m_receiver.Handle()), TRUE);
    EXPECT_EQ(setter.SetNotifyWnd(nullptr), FALSE);
    EXPECT_EQ(setter.m_hNotifyWnd, m_receiver.Handle());
}

TEST(RestartComputer, RequestsAForcedRebootOnceThePrivilegeIsEnabled) {
    g_restartRequests.clear();
    const auto calls = With([](auto& c) { c.exitWindowsEx = RecordingExitWindowsEx; });
    CTaskbarSizeSetter setter(calls);
    EXPECT_EQ(setter.RestartComputer(), TRUE);
    ASSERT_EQ(g_restartRequests.size(), 1u);
    EXPECT_EQ(g_restartRequests[0].flags, static_cast<UINT>(EWX_REBOOT | EWX_FORCE));
    EXPECT_EQ(g_restartRequests[0].reason, 0u);
}

TEST(RestartComputer, NoRequestWithoutThePrivilege) {
    g_restartRequests.clear();
    const auto notAssigned = With([](auto& c) {
        c.exitWindowsEx = RecordingExitWindowsEx;
        c.adjustTokenPrivileges = NotAllAssigned;
    });
    EXPECT_EQ(CTaskbarSizeSetter(notAssigned).RestartComputer(), FALSE);
    const auto noToken = With([](auto& c) {
        c.exitWindowsEx = RecordingExitWindowsEx;
        c.openProcessToken = NoToken;
    });
    EXPECT_EQ(CTaskbarSizeSetter(noToken).RestartComputer(), FALSE);
    EXPECT_TRUE(g_restartRequests.empty());
}

// With an English system the registry tool succeeds in English: its exit code tells.
TEST_F(TaskbarSizeSetter, EnglishSystemWritesTheValueAndReportsSuccess) {
    ASSERT_NE(GetACP(), 936u) << "run under an English locale";
    WriteTaskbarSi(7);
    CTaskbarSizeSetter setter;
    EXPECT_EQ(RunWorker(setter, TASKBAR_SIZE_MEDIUM), 1u);
    EXPECT_EQ(m_receiver.messages, kSuccess);
    EXPECT_EQ(ReadTaskbarSi(), std::optional<DWORD>(1));
    EXPECT_EQ(Log(), "");
}
