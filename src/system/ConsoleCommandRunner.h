#pragma once

#include <windows.h>

#include <string>

// Runs "cmd /C <command>" in a hidden console and appends everything it writes to standard
// output and standard error to *pOutput. Blocks until the command has exited; TRUE means it
// was started and has ended, not that it did what was asked: that is its exit code, stored in
// *pdwExitCode (when given) on TRUE.
BOOL RunConsoleCommand(std::wstring strCommand, std::wstring* pOutput,
                       DWORD* pdwExitCode = nullptr);

// TRUE when this process is a 32-bit process on 64-bit Windows.
BOOL IsRunningUnderWow64();

// The system's IsWow64Process, resolved once; FALSE when the system lacks it.
BOOL CallIsWow64Process(HANDLE hProcess, PBOOL pbWow64);
