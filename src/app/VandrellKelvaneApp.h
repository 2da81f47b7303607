#pragma once

#include "framework/WinApp.h"

// The tool's application object: starts GDI+ and the common controls, runs the shell modally,
// shuts GDI+ down, and returns FALSE so that no message loop of its own follows.
class CVandrellKelvaneApp : public CWinApp {
public:
    // The framework's restart-manager value "support restart" (1).
    static constexpr DWORD kRestartManagerSupportRestart = 1;

    CVandrellKelvaneApp();

    BOOL InitInstance() override;

    // Kept as the tool declares it; the tool registers nothing with the restart manager, which
    // would start it again from a folder it removes when it ends.
    DWORD m_dwRestartManagerSupportFlags = 0;
};

extern CVandrellKelvaneApp theApp;
