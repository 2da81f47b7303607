#include "log/LogRecordFormat.h"

#include <cstdio>

std::string FormatLogHeader(const LogStamp& stamp) {
    // Wide enough for seven ints of any value.
    char szHeader[128] = {};
    const int nLength = std::snprintf(
        szHeader, sizeof(szHeader), "[%04d-%02d-%02d %02d:%02d:%02d %03dms]   ", stamp.nYear,
        stamp.nMonth, stamp.nDay, stamp.nHour, stamp.nMinute, stamp.nSecond, stamp.nMilliseconds);
    if (nLength <= 0) {
        return {};
    }
    return std::string(szHeader, static_cast<std::size_t>(nLength));
}

std::string ComposeLogRecord(const LogStamp& stamp, std::string_view text) {
    const std::size_t nEnd = text.find('\0');
    if (nEnd != std::string_view::npos) {
        text = text.substr(0, nEnd);
    }
    std::string record = FormatLogHeader(stamp);
    record.append(text);
    record.append("\r\n");
    return record;
}

std::string FormatHexBytes(const unsigned char* pData, int nLength) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    if (pData == nullptr || nLength <= 0) {
        return text;
    }
    text.reserve(static_cast<std::size_t>(nLength) * 3);
    for (int i = 0; i < nLength; ++i) {
        text.push_back(kDigits[pData[i] >> 4]);
        text.push_back(kDigits[pData[i] & 0x0F]);
        text.push_back(' ');
    }
    return text;
}

bool IsPastLogLimit(std::uint64_t nLength, std::uint32_t nMaxSize) {
    return nLength > nMaxSize;
}

std::wstring LogBackupPath(const std::wstring& strPath) {
    return strPath + L"bak";
}
