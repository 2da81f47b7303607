#pragma once

#include <functional>
#include <string>
#include <string_view>

// The version numbers the system records for the process, and its update revision (0 when
// unknown).
struct SystemVersion {
    unsigned long nMajor = 0;
    unsigned long nMinor = 0;
    unsigned long nBuild = 0;
    unsigned long nRevision = 0;
};

inline constexpr std::wstring_view kVersionQueryCommand = L"WMIC OS List status";
inline constexpr std::wstring_view kWindows11Marker = L"Windows 11";
inline constexpr unsigned long kFirstWindows11Build = 22000;

// Runs a console command, appending its output; false when it could not be run.
using ConsoleRunner = std::function<bool(const std::wstring& command, std::wstring* output)>;

// Windows 10 and 11 share 10.0, so for that pair (and any unknown one) the product name
// decides; where the query tool gives no answer, the recorded build number does.
class SupportedSystemRule {
public:
    enum class Verdict { Unsupported, Supported, AskSystem };

    static Verdict ClassifyVersion(unsigned long nMajor, unsigned long nMinor);
    static bool DecideFromQuery(bool bRan, std::wstring_view output, unsigned long nBuild);
    static bool IsSupported(const SystemVersion& version, const ConsoleRunner& run);
};
