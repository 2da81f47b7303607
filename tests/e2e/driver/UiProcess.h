#pragma once

#include <windows.h>

#include <optional>
#include <string>

// A program under test, started the way Explorer starts one: CreateProcessW with the exe's full
// path, its own command line and a chosen working folder. The child inherits this process's
// environment, so set variables it should see (SetEnvironmentVariableW) before starting it.
// A program still running when the object goes away is ended, so a failing test leaves nothing
// behind on the display.
class UiProcess {
public:
    // Starts exe (full path) with arguments appended to its quoted path, in folder (empty: this
    // process's current folder), on the named desktop (empty: this process's; see UiDesktop).
    // Throws UiDriverError if the program cannot be started.
    UiProcess(const std::wstring& exe, const std::wstring& arguments, const std::wstring& folder,
              const std::wstring& desktop = L"");
    ~UiProcess();
    UiProcess(const UiProcess&) = delete;
    UiProcess& operator=(const UiProcess&) = delete;

    DWORD Id() const { return m_info.dwProcessId; }
    HANDLE Handle() const { return m_info.hProcess; }

    // Waits up to timeoutMs until the program waits for input in its first message loop; false
    // on timeout or if the program ended first (check WaitForExit then).
    bool WaitForInputIdle(DWORD timeoutMs) const;
    bool IsRunning() const;
    // The exit code once the program has ended within timeoutMs; nullopt if it still runs.
    std::optional<DWORD> WaitForExit(DWORD timeoutMs) const;
    // Ends the program now with exitCode and waits for it to be gone (up to 5 s).
    void Terminate(UINT exitCode);

private:
    PROCESS_INFORMATION m_info{};
};
