// Arbitrary version numbers and query answers: the rule asks at most once, never for the
// listed versions, and an answer naming Windows 11 always passes.
#include "system/SupportedSystemRule.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 5) {
        return 0;
    }
    const SystemVersion version{data[0] % 12ul, data[1] % 6ul,
                                static_cast<unsigned long>(data[2] << 8 | data[3]) * 2ul};
    const bool bRuns = data[4] & 1;
    std::wstring answer;
    for (std::size_t i = 5; i + 1 < size; i += 2) {
        answer.push_back(static_cast<wchar_t>(data[i] | data[i + 1] << 8));
    }

    int nCalls = 0;
    const bool bSupported = SupportedSystemRule::IsSupported(
        version, [&](const std::wstring& command, std::wstring* output) {
            ++nCalls;
            if (command != kVersionQueryCommand) {
                std::abort();
            }
            output->append(answer);
            return bRuns;
        });

    const auto verdict = SupportedSystemRule::ClassifyVersion(version.nMajor, version.nMinor);
    const bool bAsked = verdict == SupportedSystemRule::Verdict::AskSystem;
    if (nCalls != (bAsked ? 1 : 0)) {
        std::abort();
    }
    if (bAsked && bRuns && answer.find(kWindows11Marker) != std::wstring::npos && !bSupported) {
        std::abort();
    }
    return 0;
}
