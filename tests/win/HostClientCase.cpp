// The host-client detection with the drives and their bus played through its seam, over real
// files, and the real bus query on drives this machine has. Runs in a private prefix.
#include "service/DeviceInfoEncipher.h"
#include "service/HostClientProbe.h"

#include "WinTestSupport.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

// The system drive stands in for a USB stick: this program runs in a private prefix of its own
// (tests/win/hostclient.cmake), whose C: it may write to.
DWORD WINAPI SystemDriveOnly(DWORD nLength, LPWSTR pBuffer) {
    constexpr wchar_t kDrives[] = L"C:\\\0";
    if (nLength < 5) {
        return 5;
    }
    std::copy(kDrives, kDrives + 5, pBuffer);
    return 4;
}

DWORD s_nModeWhileProbing = 0;

bool SystemDriveIsUsb(const std::wstring& root) {
    s_nModeWhileProbing = GetThreadErrorMode();
    return root == L"C:\\";
}

void WriteFile(const std::wstring& path, const std::string& bytes) {
    const std::size_t slash = path.find_last_of(L'\\');
    for (std::size_t i = path.find(L'\\', 3); i != std::wstring::npos && i <= slash;
         i = path.find(L'\\', i + 1)) {
        CreateDirectoryW(path.substr(0, i).c_str(), nullptr);
    }
    WriteBytes(path, bytes);
}

} // namespace

TEST(HostClientProbe, ReadsTheDeviceTypeFromAClientOnAUsbDrive) {
    const HostClientSystemCalls calls{SystemDriveOnly, SystemDriveIsUsb};
    CAesCipher aes;
    EXPECT_EQ(DetectHostClientType(aes, calls), std::nullopt) << "nothing on the stick yet";

    WriteFile(L"C:\\Rivex\\RivexKey\\RivexClient.exe", "MZ");
    WriteFile(L"C:\\Rivex\\RivexKey\\DeviceInfo.ini",
              "[DeviceType]\r\nType=" + EncipherDeviceInfo("2").value_or("") + "\r\n");
    const DWORD nBefore = GetThreadErrorMode();
    EXPECT_EQ(DetectHostClientType(aes, calls), std::optional<int>(2));
    EXPECT_TRUE(s_nModeWhileProbing & SEM_FAILCRITICALERRORS) << "silent over the whole probe";
    EXPECT_EQ(GetThreadErrorMode(), nBefore);

    WriteFile(L"C:\\Rivex\\RivexKey\\DeviceInfo.ini", "[DeviceType]\r\nType=not base64\r\n");
    EXPECT_EQ(DetectHostClientType(aes, calls), std::optional<int>(0)) << "found, but unreadable";
}

TEST(HostClientProbe, TheRealBusQueryFindsNoUsbDriveHereAndRestoresTheErrorMode) {
    const DWORD nBefore = GetThreadErrorMode();
    // The system drive (on no USB bus here), a letter without a drive, no root at all.
    for (const wchar_t* root : {L"C:\\", L"R:\\", L""}) {
        EXPECT_FALSE(IsUsbDrive(root)) << testing::PrintToString(std::wstring(root));
        EXPECT_EQ(GetThreadErrorMode(), nBefore);
    }
    std::vector<std::wstring> drives;
    EXPECT_FALSE(EnumUsbDrives(&drives));
    EXPECT_TRUE(drives.empty());
}
