#include "framework/WinApp.h"

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
