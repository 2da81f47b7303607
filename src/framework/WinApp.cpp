#include "framework/WinApp.h"

namespace {

// The one application object, as the framework the tool is written for keeps it.
CWinApp* g_pApp = nullptr;

} // namespace

CWinApp::CWinApp() {
    g_pApp = this;
}

CWinApp::~CWinApp() {
    if (g_pApp == this) {
        g_pApp = nullptr;
    }
}

CWinApp* CWinApp::Current() {
    return g_pApp;
}

int CWinApp::Run() {
    if (InitInstance()) {
        MSG msg;
        BOOL bGot;
        while ((bGot = GetMessageW(&msg, nullptr, 0, 0)) != 0 && bGot != -1) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        if (bGot == 0) {
            m_nExitCode = static_cast<int>(msg.wParam);
        }
    }
    return ExitInstance();
}
