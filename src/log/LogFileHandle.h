#pragma once

#include "log/LogRecordFormat.h"

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

// An open log file. Log files are created when missing, never truncated, and stay readable
// and writable by others while open; never opened or rotated through a link (LogTargetRule).
class LogFileHandle {
public:
    LogFileHandle() = default;
    ~LogFileHandle();
    LogFileHandle(const LogFileHandle&) = delete;
    LogFileHandle& operator=(const LogFileHandle&) = delete;

    bool Open(const std::wstring& strPath);
    bool IsOpen() const { return m_hFile != INVALID_HANDLE_VALUE; }
    void Close();

    // Writes the bytes at the file's current end; *pLength receives the length afterwards.
    bool Append(std::string_view bytes, std::uint64_t* pLength);

    // Moves the closed file to its backup name, replacing an earlier backup. A failure leaves
    // the file where it is; the next record tries again.
    static void MoveToBackup(const std::wstring& strPath);

    // The local time, for record headers.
    static LogStamp LocalStamp();

private:
    HANDLE m_hFile = INVALID_HANDLE_VALUE;
};
