// Shows one of the tool's prompts as its callers do and exits with DoModal's result. Never
// shipped.
//   PromptHost.exe prompt TYPE TEXT [SCALE]
//   PromptHost.exe working TEXT [SCALE] [close-after=MS] [close-event=NAME]
// SCALE "screen" (the default) takes the factor from the screen's dpi as the shell does. The
// working prompt is ended the way the size change ends it: a worker thread sends the close
// message to an owner window, which forwards it to the prompt; the worker goes once MS have
// passed after the prompt appeared, or once the named event is set (by the test). Exit code:
// DoModal's result, 100 for a wrong command line.
#include "GdiplusSession.h"
#include "prompts/ExecutePromptDlg.h"
#include "prompts/PromptDlg.h"
#include "taskbar/TaskbarSizeSetter.h"
#include "ui/ScreenScale.h"

#include <commctrl.h>

#include <cwchar>
#include <string>

namespace {

constexpr int kUsageExit = 100;

float ParseScale(const std::wstring& text) {
    if (text.empty() || text == L"screen") {
        return ScreenScaleFactor();
    }
    return std::wcstof(text.c_str(), nullptr);
}

// The main panel's part: passes the worker's close message on to the working prompt.
class CloseForwarder : public CWnd {
public:
    explicit CloseForwarder(CExecutePromptDlg* pPrompt) : m_pPrompt(pPrompt) {
        SubclassWindow(CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                       nullptr, nullptr));
    }
    ~CloseForwarder() override {
        if (m_hWnd != nullptr) {
            DestroyWindow(m_hWnd);
        }
    }

protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
        if (msg == WM_CLOSE_EXECUTE_PROMPT) {
            m_pPrompt->SendMessage(WM_CLOSE_EXECUTE_PROMPT);
            return 0;
        }
        return CWnd::WindowProc(msg, wParam, lParam);
    }

private:
    CExecutePromptDlg* m_pPrompt;
};

struct CloseWorker {
    HWND hOwner = nullptr;
    HANDLE hShown = nullptr; // set once the prompt is up
    HANDLE hSignal = nullptr;
    DWORD dwAfterMs = INFINITE;
};

DWORD WINAPI CloseWorkerProc(LPVOID pParam) {
    const auto* pWork = static_cast<const CloseWorker*>(pParam);
    WaitForSingleObject(pWork->hShown, INFINITE);
    if (pWork->hSignal != nullptr) {
        WaitForSingleObject(pWork->hSignal, pWork->dwAfterMs);
    } else {
        Sleep(pWork->dwAfterMs);
    }
    SendMessageW(pWork->hOwner, WM_CLOSE_EXECUTE_PROMPT, 0, 0);
    return 0;
}

// Tells the worker when the prompt is on the screen, so the delay counts from there.
class HostWorkingPrompt : public CExecutePromptDlg {
public:
    HANDLE hShown = nullptr;

protected:
    BOOL OnInitDialog() override {
        CExecutePromptDlg::OnInitDialog();
        SetEvent(hShown);
        return TRUE;
    }
};

int RunPrompt(int argc, wchar_t** argv) {
    if (argc < 4) {
        return kUsageExit;
    }
    CPromptDlg prompt;
    prompt.m_fScale = ParseScale(argc > 4 ? argv[4] : L"");
    prompt.SetText(argv[3]);
    prompt.SetType(_wtoi(argv[2]));
    return static_cast<int>(prompt.DoModal());
}

int RunWorking(int argc, wchar_t** argv) {
    if (argc < 3) {
        return kUsageExit;
    }
    std::wstring scale;
    CloseWorker work;
    for (int i = 3; i < argc; ++i) {
        const std::wstring arg = argv[i];
        if (arg.rfind(L"close-after=", 0) == 0) {
            work.dwAfterMs = static_cast<DWORD>(_wtoi(arg.c_str() + 12));
        } else if (arg.rfind(L"close-event=", 0) == 0) {
            work.hSignal = CreateEventW(nullptr, TRUE, FALSE, arg.c_str() + 12);
        } else {
            scale = arg;
        }
    }
    // On the heap and kept past its run, as the main panel keeps it.
    auto* pPrompt = new HostWorkingPrompt;
    pPrompt->SetText(argv[2]);
    pPrompt->m_fScale = ParseScale(scale);
    CloseForwarder owner(pPrompt);
    work.hOwner = owner.m_hWnd;
    work.hShown = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    pPrompt->hShown = work.hShown;
    HANDLE hThread = CreateThread(nullptr, 0, CloseWorkerProc, &work, 0, nullptr);
    const int nResult = static_cast<int>(pPrompt->DoModal());
    if (hThread != nullptr) {
        WaitForSingleObject(hThread, INFINITE);
        CloseHandle(hThread);
    }
    delete pPrompt;
    CloseHandle(work.hShown);
    if (work.hSignal != nullptr) {
        CloseHandle(work.hSignal);
    }
    return nResult;
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    const GdiplusSession gdiplus;
    int nExit = kUsageExit;
    const std::wstring mode = __argc > 1 ? __wargv[1] : L"";
    if (mode == L"prompt") {
        nExit = RunPrompt(__argc, __wargv);
    } else if (mode == L"working") {
        nExit = RunWorking(__argc, __wargv);
    }
    return nExit;
}
