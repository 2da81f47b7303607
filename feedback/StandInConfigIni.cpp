// The test build's configuration: the ini beside the library, or the one KELVANE_FEEDBACK_INI
// names. Only OstrelFeedbackInformationTest compiles this file; the library we ship has none
// (StandInConfigShipped.cpp).
#include "StandInConfig.h"

#include "system/ModulePath.h"

#include <cwchar>

namespace {

// Any address inside this library names it; the ini sits beside whatever copy was loaded.
const char s_anchor = 0;

HMODULE ThisModule() {
    HMODULE hModule = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                           GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&s_anchor), &hModule);
    return hModule;
}

} // namespace

CStandInConfig::CStandInConfig() {
    // Tests that watch the tool remove its folder keep the ini outside it.
    wchar_t override[MAX_PATH] = {};
    const DWORD nOverride = GetEnvironmentVariableW(L"KELVANE_FEEDBACK_INI", override, MAX_PATH);
    if (nOverride > 0 && nOverride < MAX_PATH) {
        m_strIniPath = override;
        return;
    }
    std::wstring path = ModulePath(ThisModule());
    const std::wstring::size_type dot = path.find_last_of(L'.');
    const std::wstring::size_type slash = path.find_last_of(L'\\');
    if (!path.empty() && dot != std::wstring::npos &&
        (slash == std::wstring::npos || dot > slash)) {
        m_strIniPath = path.substr(0, dot) + L".ini";
    }
}

bool CStandInConfig::Read(const wchar_t* pszSection, const wchar_t* pszKey,
                          std::wstring* pValue) const {
    if (m_strIniPath.empty()) {
        return false;
    }
    // A default no value can have tells an absent key from an empty one.
    constexpr wchar_t kAbsent[] = L"\x01";
    std::wstring buffer(256, L'\0');
    for (;;) {
        const DWORD n =
            GetPrivateProfileStringW(pszSection, pszKey, kAbsent, buffer.data(),
                                     static_cast<DWORD>(buffer.size()), m_strIniPath.c_str());
        if (n + 1 < buffer.size()) {
            buffer.resize(n);
            break;
        }
        buffer.assign(buffer.size() * 2, L'\0');
    }
    if (buffer == kAbsent) {
        return false;
    }
    *pValue = buffer;
    return true;
}

int CStandInConfig::Result(const wchar_t* pszExport, int nNatural) const {
    std::wstring value;
    if (!Read(L"Results", pszExport, &value)) {
        return nNatural;
    }
    wchar_t* pEnd = nullptr;
    const long n = std::wcstol(value.c_str(), &pEnd, 10);
    return pEnd == value.c_str() ? nNatural : static_cast<int>(n);
}

bool CStandInConfig::OpensAddresses() const {
    std::wstring value;
    return !Read(L"Settings", L"OpenAddresses", &value) || value != L"0";
}

std::wstring CStandInConfig::JournalPath() const {
    std::wstring value;
    return Read(L"Settings", L"Journal", &value) ? value : std::wstring();
}

std::wstring CStandInConfig::FeedbackFilePath() const {
    std::wstring value;
    if (Read(L"Settings", L"FeedbackFile", &value) && !value.empty()) {
        return value;
    }
    return DefaultFeedbackFilePath();
}

std::wstring CStandInConfig::Info(int nIndex, const std::wstring& strDefault) const {
    std::wstring value;
    return Read(L"Info", std::to_wstring(nIndex).c_str(), &value) ? value : strDefault;
}
