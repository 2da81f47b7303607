#pragma once

#include <windows.h>

#include <string>

// The optional OstrelFeedbackInformation.ini beside the library (or the file the environment
// variable KELVANE_FEEDBACK_INI names), read afresh on every call so a test can change it
// between calls. Only the test build links the reader (StandInConfigIni.cpp); the library we
// ship (StandInConfigShipped.cpp), and the test build without the file, behave as on a user's
// machine.
class CStandInConfig {
public:
    CStandInConfig();

    // The [Results] value named after the export when present, else the natural result.
    int Result(const wchar_t* pszExport, int nNatural) const;
    // [Settings] OpenAddresses: 0 journals the address instead of opening it.
    bool OpensAddresses() const;
    // [Settings] Journal: the call journal's path; empty for none.
    std::wstring JournalPath() const;
    // [Settings] FeedbackFile, else the feedback file under the common application-data folder.
    std::wstring FeedbackFilePath() const;
    // [Info] 0 … 5 replace the strings InitFreedbackDll fills.
    std::wstring Info(int nIndex, const std::wstring& strDefault) const;

private:
    // The feedback file under the common application-data folder.
    static std::wstring DefaultFeedbackFilePath();
    // Test build only.
    bool Read(const wchar_t* pszSection, const wchar_t* pszKey, std::wstring* pValue) const;

    std::wstring m_strIniPath;
};
