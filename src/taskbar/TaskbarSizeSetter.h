#pragma once

#include "ui/Messages.h"

#include <windows.h>

#include <string>

// Changes the taskbar size through the system's registry command, checks the Windows version
// and restarts the computer.
class CTaskbarSizeSetter {
public:
    // The system calls the setter makes; tests substitute their own to observe a restart
    // request or to play failures the test machine cannot produce.
    struct SystemCalls {
        BOOL (*runConsoleCommand)
        (std::wstring strCommand, std::wstring* pOutput, DWORD* pdwExitCode);
        HANDLE(WINAPI* createThread)
        (LPSECURITY_ATTRIBUTES, SIZE_T, LPTHREAD_START_ROUTINE, LPVOID, DWORD, LPDWORD);
        BOOL(WINAPI* openProcessToken)(HANDLE, DWORD, PHANDLE);
        BOOL(WINAPI* adjustTokenPrivileges)
        (HANDLE, BOOL, PTOKEN_PRIVILEGES, DWORD, PTOKEN_PRIVILEGES, PDWORD);
        BOOL(WINAPI* exitWindowsEx)(UINT, DWORD);
    };
    static const SystemCalls& RealSystemCalls();

    explicit CTaskbarSizeSetter(const SystemCalls& calls = RealSystemCalls());

    BOOL SetNotifyWnd(HWND hWnd);
    BOOL StartSetTaskbarSizeThread();
    static DWORD WINAPI SetTaskbarSizeThreadProc(LPVOID pParam);
    BOOL SetTaskbarSize();
    BOOL IsSupportedSystem();
    BOOL RestartComputer();

    HWND m_hNotifyWnd = nullptr;
    int m_nSizeType = 0;

private:
    const SystemCalls* m_pCalls;
};
