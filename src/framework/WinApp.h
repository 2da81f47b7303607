#pragma once

#include <windows.h>

// The application object: WinMain hands control to Run, which calls InitInstance and, when
// that asks to go on, pumps messages until the quit message.
class CWinApp {
public:
    CWinApp() = default;
    virtual ~CWinApp() = default;
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual BOOL InitInstance() = 0;
    virtual int ExitInstance() { return m_nExitCode; }
    int Run();

protected:
    int m_nExitCode = 0;
};
