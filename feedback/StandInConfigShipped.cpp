// The library we ship has no configuration: every value is the one a user's machine gets, and
// nothing that could read one is linked in.
#include "StandInConfig.h"

CStandInConfig::CStandInConfig() = default;

int CStandInConfig::Result(const wchar_t*, int nNatural) const {
    return nNatural;
}

bool CStandInConfig::OpensAddresses() const {
    return true;
}

std::wstring CStandInConfig::JournalPath() const {
    return {};
}

std::wstring CStandInConfig::FeedbackFilePath() const {
    return DefaultFeedbackFilePath();
}

std::wstring CStandInConfig::Info(int, const std::wstring& strDefault) const {
    return strDefault;
}
