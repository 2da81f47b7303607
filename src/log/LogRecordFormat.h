#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// A log file longer than this after a record is moved to its backup.
inline constexpr std::uint32_t LOG_FILE_MAX_SIZE = 6020000;

// The local time a record is stamped with.
struct LogStamp {
    int nYear = 0;
    int nMonth = 0;
    int nDay = 0;
    int nHour = 0;
    int nMinute = 0;
    int nSecond = 0;
    int nMilliseconds = 0;
};

// Where the writers read the time; tests pass a frozen clock.
using LogClock = LogStamp (*)();

// "[2024-03-05 08:07:06 009ms]   ": the stamp and three blanks.
std::string FormatLogHeader(const LogStamp& stamp);

// The bytes of one line: header, the text up to its first zero byte, CR LF. The text's bytes
// are kept as they are, so GBK text stays GBK whatever the system's code page.
std::string ComposeLogRecord(const LogStamp& stamp, std::string_view text);

// Each byte as two upper-case hexadecimal digits and a blank; nothing for no bytes.
std::string FormatHexBytes(const unsigned char* pData, int nLength);

// Whether a file of nLength bytes, just after a record, is moved to its backup.
bool IsPastLogLimit(std::uint64_t nLength, std::uint32_t nMaxSize);

// The backup of a log file: the full path with "bak" after the extension.
std::wstring LogBackupPath(const std::wstring& strPath);
