// Runs once per configured system (see CMakeLists): scripts/wine-run sets up the reported
// version and the WMIC stand-in; the environment says what the check must conclude.
#include "system/ProcessVersion.h"
#include "taskbar/TaskbarSizeSetter.h"

#include "WinTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

namespace {

std::string Setting(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

int CountLines(const std::string& text, const std::string& prefix) {
    int n = 0;
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t end = text.find('\n', pos);
        if (text.compare(pos, prefix.size(), prefix) == 0) {
            ++n;
        }
        pos = end == std::string::npos ? text.size() : end + 1;
    }
    return n;
}

} // namespace

TEST(SupportedSystem, DecidesAsConfigured) {
    const std::string expected = Setting("KELVANE_EXPECT_SUPPORTED");
    const std::string queries = Setting("KELVANE_EXPECT_QUERIES");
    ASSERT_FALSE(expected.empty()) << "set KELVANE_EXPECT_SUPPORTED";

    const SystemVersion version = ReadProcessVersion();
    const std::string configured = Setting("KELVANE_WINDOWS_VERSION");
    // M.m.B as configured; with an update revision after it, the outcome shows it read.
    if (std::count(configured.begin(), configured.end(), '.') == 2) {
        EXPECT_EQ(configured, std::to_string(version.nMajor) + "." +
                                  std::to_string(version.nMinor) + "." +
                                  std::to_string(version.nBuild));
    }

    TempFolder folder;
    const std::wstring journal = folder.File(L"journal.txt");
    SetEnvironmentVariableW(L"KELVANE_FIXTURE_JOURNAL", journal.c_str());
    CTaskbarSizeSetter setter;
    const BOOL bSupported = setter.IsSupportedSystem();
    SetEnvironmentVariableW(L"KELVANE_FIXTURE_JOURNAL", nullptr);

    EXPECT_EQ(bSupported, expected == "1" ? TRUE : FALSE)
        << "version " << version.nMajor << "." << version.nMinor << "." << version.nBuild;
    const std::string calls = ReadBytes(journal);
    if (!queries.empty()) {
        EXPECT_EQ(CountLines(calls, "wmic\t"), std::stoi(queries)) << calls;
    }
    EXPECT_EQ(CountLines(calls, "planted\t"), 0) << calls;
    if (CountLines(calls, "wmic\t") > 0) {
        wchar_t system[MAX_PATH] = {};
        GetSystemDirectoryW(system, MAX_PATH);
        EXPECT_NE(FromUtf8(calls).find(L"\tcwd=" + std::wstring(system) + L"\t"),
                  std::wstring::npos)
            << calls;
    }
}
