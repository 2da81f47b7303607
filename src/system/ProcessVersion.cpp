#include "system/ProcessVersion.h"

#include <windows.h>
#include <winternl.h>

#include <cstring>

namespace {

// Field offsets in the process environment block, fixed by the system's binary layout.
#ifdef _WIN64
constexpr std::size_t kOsMajorVersion = 0x118;
constexpr std::size_t kOsMinorVersion = 0x11C;
constexpr std::size_t kOsBuildNumber = 0x120;
#else
constexpr std::size_t kOsMajorVersion = 0xA4;
constexpr std::size_t kOsMinorVersion = 0xA8;
constexpr std::size_t kOsBuildNumber = 0xAC;
#endif

template <typename T> T ReadField(const unsigned char* pBlock, std::size_t nOffset) {
    T value{};
    std::memcpy(&value, pBlock + nOffset, sizeof(value));
    return value;
}

// The 64-bit view: a 32-bit process under WOW64 would otherwise read the redirected copy of the
// key, which updates need not keep current.
unsigned long ReadUpdateRevision() {
    HKEY hKey = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", 0,
                      KEY_QUERY_VALUE | KEY_WOW64_64KEY, &hKey) != ERROR_SUCCESS) {
        return 0;
    }
    DWORD dwRevision = 0;
    DWORD dwType = 0;
    DWORD cbData = sizeof(dwRevision);
    const LSTATUS status = RegQueryValueExW(hKey, L"UBR", nullptr, &dwType,
                                            reinterpret_cast<BYTE*>(&dwRevision), &cbData);
    RegCloseKey(hKey);
    return status == ERROR_SUCCESS && dwType == REG_DWORD && cbData == sizeof(dwRevision)
               ? dwRevision
               : 0;
}

} // namespace

SystemVersion ReadProcessVersion() {
    PROCESS_BASIC_INFORMATION info{};
    ULONG nLength = 0;
    SystemVersion version;
    if (NtQueryInformationProcess(GetCurrentProcess(), ProcessBasicInformation, &info, sizeof(info),
                                  &nLength) != 0 ||
        info.PebBaseAddress == nullptr) {
        return version;
    }
    const auto* pBlock = reinterpret_cast<const unsigned char*>(info.PebBaseAddress);
    version.nMajor = ReadField<ULONG>(pBlock, kOsMajorVersion);
    version.nMinor = ReadField<ULONG>(pBlock, kOsMinorVersion);
    version.nBuild = ReadField<USHORT>(pBlock, kOsBuildNumber);
    version.nRevision = ReadUpdateRevision();
    return version;
}
