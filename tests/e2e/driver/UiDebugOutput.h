#pragma once

#include <windows.h>

#include <mutex>
#include <string>
#include <utility>
#include <vector>

// What the programs of this session write with OutputDebugString, collected the way a debug
// monitor does (the DBWIN buffer and its two events). One monitor listens at a time; a second
// object, or one made while another monitor runs, hears nothing.
class UiDebugOutput {
public:
    UiDebugOutput();
    ~UiDebugOutput();
    UiDebugOutput(const UiDebugOutput&) = delete;
    UiDebugOutput& operator=(const UiDebugOutput&) = delete;

    bool IsListening() const { return m_hThread != nullptr; }
    // What that process wrote so far, one string per call.
    std::vector<std::wstring> From(DWORD processId) const;

private:
    static DWORD WINAPI ListenProc(LPVOID pParam);
    void Listen();

    HANDLE m_hBufferReady = nullptr;
    HANDLE m_hDataReady = nullptr;
    HANDLE m_hMapping = nullptr;
    const char* m_pBuffer = nullptr;
    HANDLE m_hStop = nullptr;
    HANDLE m_hThread = nullptr;
    mutable std::mutex m_mutex;
    std::vector<std::pair<DWORD, std::wstring>> m_strings;
};
