#include "system/SupportedSystemRule.h"

SupportedSystemRule::Verdict SupportedSystemRule::ClassifyVersion(unsigned long nMajor,
                                                                  unsigned long nMinor) {
    if (nMajor == 5 && nMinor <= 2) {
        return Verdict::Unsupported;
    }
    if (nMajor == 6) {
        return nMinor == 0   ? Verdict::Unsupported
               : nMinor <= 3 ? Verdict::Supported
                             : Verdict::AskSystem;
    }
    return Verdict::AskSystem;
}

bool SupportedSystemRule::DecideFromQuery(bool bRan, std::wstring_view output,
                                          unsigned long nBuild) {
    if (bRan && output.find(kWindows11Marker) != std::wstring_view::npos) {
        return true;
    }
    // The query tool answered and named another product.
    if (bRan && output.find(L"Windows") != std::wstring_view::npos) {
        return false;
    }
    // No answer: newer Windows 11 releases ship without the query tool.
    return nBuild >= kFirstWindows11Build;
}

bool SupportedSystemRule::IsSupported(const SystemVersion& version, const ConsoleRunner& run) {
    switch (ClassifyVersion(version.nMajor, version.nMinor)) {
    case Verdict::Unsupported:
        return false;
    case Verdict::Supported:
        return true;
    case Verdict::AskSystem:
        break;
    }
    std::wstring output;
    const bool bRan = run(std::wstring(kVersionQueryCommand), &output);
    return DecideFromQuery(bRan, output, version.nBuild);
}
