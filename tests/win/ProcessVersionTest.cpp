#include "system/ProcAddress.h"
#include "system/ProcessVersion.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace {

using RtlGetVersionFn = LONG(WINAPI*)(OSVERSIONINFOW*);

OSVERSIONINFOW SystemsOwnReport() {
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof(info);
    auto fn = GetProcAddressAs<RtlGetVersionFn>(GetModuleHandleW(L"ntdll.dll"), "RtlGetVersion");
    if (fn != nullptr) {
        fn(&info);
    }
    return info;
}

} // namespace

// The block's layout is read by offset; the kernel's own report must agree with it.
TEST(ProcessVersion, MatchesTheSystemsOwnReport) {
    const OSVERSIONINFOW report = SystemsOwnReport();
    ASSERT_NE(report.dwMajorVersion, 0u);
    const SystemVersion version = ReadProcessVersion();
    EXPECT_EQ(version.nMajor, report.dwMajorVersion);
    EXPECT_EQ(version.nMinor, report.dwMinorVersion);
    EXPECT_EQ(version.nBuild, report.dwBuildNumber & 0xFFFF);
}
