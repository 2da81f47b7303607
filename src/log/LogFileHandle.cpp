#include "log/LogFileHandle.h"

LogFileHandle::~LogFileHandle() {
    Close();
}

bool LogFileHandle::Open(const std::wstring& strPath) {
    Close();
    m_hFile = CreateFileW(strPath.c_str(), GENERIC_READ | GENERIC_WRITE,
                          FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                          FILE_ATTRIBUTE_NORMAL, nullptr);
    return IsOpen();
}

void LogFileHandle::Close() {
    if (IsOpen()) {
        CloseHandle(m_hFile);
        m_hFile = INVALID_HANDLE_VALUE;
    }
}

bool LogFileHandle::Append(std::string_view bytes, std::uint64_t* pLength) {
    if (!IsOpen() || bytes.size() > MAXDWORD) {
        return false;
    }
    LARGE_INTEGER zero{};
    if (!SetFilePointerEx(m_hFile, zero, nullptr, FILE_END)) {
        return false;
    }
    DWORD nWritten = 0;
    const DWORD nSize = static_cast<DWORD>(bytes.size());
    if (!WriteFile(m_hFile, bytes.data(), nSize, &nWritten, nullptr) || nWritten != nSize) {
        return false;
    }
    LARGE_INTEGER length{};
    if (!GetFileSizeEx(m_hFile, &length)) {
        return false;
    }
    *pLength = static_cast<std::uint64_t>(length.QuadPart);
    return true;
}

void LogFileHandle::MoveToBackup(const std::wstring& strPath) {
    MoveFileExW(strPath.c_str(), LogBackupPath(strPath).c_str(), MOVEFILE_REPLACE_EXISTING);
}

LogStamp LogFileHandle::LocalStamp() {
    SYSTEMTIME time{};
    GetLocalTime(&time);
    return LogStamp{time.wYear,   time.wMonth,  time.wDay,         time.wHour,
                    time.wMinute, time.wSecond, time.wMilliseconds};
}
