#pragma once

#include <windows.h>

#include <string>

// One line of the call journal or the feedback file: tab-separated fields, text escaped so
// that a line always stays one line: \\ \t \r \n, other control characters as \xHH, and a null
// pointer as \0.
class CCallRecord {
public:
    explicit CCallRecord(const wchar_t* pszFirst) { Text(pszFirst); }

    CCallRecord& Text(const wchar_t* psz);
    CCallRecord& Number(long long n);
    // A field written as given, for markers such as "=1".
    CCallRecord& Raw(const std::wstring& str);

    const std::wstring& Line() const { return m_strLine; }
    // Appends the line as UTF-8 with CRLF, creating the file's folder when it is missing.
    // Several processes may write at once, so a file held by another is retried briefly.
    bool AppendTo(const std::wstring& strPath) const;

private:
    void Separate();

    std::wstring m_strLine;
    bool m_bFirst = true;
};

std::string ToUtf8(const std::wstring& str);
