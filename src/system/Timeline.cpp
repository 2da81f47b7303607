#include "system/Timeline.h"

#include <windows.h>

#include <cstdio>

void CTimeline::Mark(const char* pszPhase, unsigned nNumber) {
    LARGE_INTEGER now{}, frequency{};
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    wchar_t path[MAX_PATH] = {};
    const DWORD n = GetEnvironmentVariableW(L"KELVANE_TIMELINE", path, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) {
        return;
    }
    char line[160] = {};
    const int nLength = nNumber != 0
                            ? std::snprintf(line, sizeof(line), "%s %u\t%lld\t%lld\r\n", pszPhase,
                                            nNumber, now.QuadPart, frequency.QuadPart)
                            : std::snprintf(line, sizeof(line), "%s\t%lld\t%lld\r\n", pszPhase,
                                            now.QuadPart, frequency.QuadPart);
    HANDLE hFile = CreateFileW(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                               OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE) {
        return;
    }
    DWORD nWritten = 0;
    if (nLength > 0) {
        WriteFile(hFile, line, static_cast<DWORD>(nLength), &nWritten, nullptr);
    }
    CloseHandle(hFile);
}
