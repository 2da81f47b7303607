#pragma once

#include <windows.h>

class CWnd;

// The application object: WinMain hands control to Run, which calls InitInstance and, when
// that asks to go on, pumps messages until the quit message. While it exists it is the
// process's one application, and its main window is the owner of every dialog run modally
// without a parent.
class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // The application object of this process, or null when there is none.
    static CWinApp* Current();

    virtual BOOL InitInstance() { return TRUE; }
    virtual int ExitInstance() { return m_nExitCode; }
    int Run();

    CWnd* m_pMainWnd = nullptr;

protected:
    int m_nExitCode = 0;
};
