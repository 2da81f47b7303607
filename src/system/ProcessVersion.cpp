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
    return version;
}
