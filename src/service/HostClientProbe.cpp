#include "service/HostClientProbe.h"

#include "service/DeviceInfoDecryption.h"
#include "service/HostClientSearch.h"

#include <winioctl.h>

#include <io.h>

namespace {

constexpr DWORD kDriveBufferChars = 1024;
constexpr DWORD kIniValueChars = 255;
constexpr std::size_t kPlainTextBytes = 1024;

bool IsUsbDriveCall(const std::wstring& root) {
    return IsUsbDrive(root);
}

// Critical-error boxes off for the calling thread while the object lives.
class CriticalErrorsSilenced {
public:
    CriticalErrorsSilenced() {
        m_bChanged = SetThreadErrorMode(GetThreadErrorMode() | SEM_FAILCRITICALERRORS,
                                        &m_nPrevious) != FALSE;
    }
    ~CriticalErrorsSilenced() {
        if (m_bChanged) {
            SetThreadErrorMode(m_nPrevious, nullptr);
        }
    }
    CriticalErrorsSilenced(const CriticalErrorsSilenced&) = delete;
    CriticalErrorsSilenced& operator=(const CriticalErrorsSilenced&) = delete;

private:
    DWORD m_nPrevious = 0;
    bool m_bChanged = false;
};

} // namespace

const HostClientSystemCalls& RealHostClientSystemCalls() {
    static const HostClientSystemCalls calls{GetLogicalDriveStringsW, IsUsbDriveCall};
    return calls;
}

bool IsUsbDrive(const std::wstring& root) {
    if (root.empty()) {
        return false;
    }
    // The volume itself (\\?\E:), not its root folder.
    const std::wstring device = std::wstring(L"\\\\?\\") + root[0] + L":";
    const CriticalErrorsSilenced silenced;
    HANDLE hDevice = CreateFileW(device.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                 nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hDevice == INVALID_HANDLE_VALUE) {
        return false;
    }
    STORAGE_PROPERTY_QUERY query{};
    query.PropertyId = StorageDeviceProperty;
    query.QueryType = PropertyStandardQuery;
    STORAGE_DEVICE_DESCRIPTOR descriptor{};
    DWORD nReturned = 0;
    const BOOL bQueried =
        DeviceIoControl(hDevice, IOCTL_STORAGE_QUERY_PROPERTY, &query, sizeof(query), &descriptor,
                        sizeof(descriptor), &nReturned, nullptr);
    CloseHandle(hDevice);
    return bQueried && nReturned >= offsetof(STORAGE_DEVICE_DESCRIPTOR, BusType) + sizeof(DWORD) &&
           descriptor.BusType == BusTypeUsb;
}

bool EnumUsbDrives(std::vector<std::wstring>* pDrives, const HostClientSystemCalls& calls) {
    std::wstring buffer(kDriveBufferChars, L'\0');
    const DWORD nFilled = calls.getLogicalDriveStrings(kDriveBufferChars - 1, buffer.data());
    // A buffer too small gives its needed size instead of a count; take what fits.
    const std::size_t nLength = std::min<std::size_t>(nFilled, kDriveBufferChars - 1);
    for (const std::wstring& root : HostClientSearch::DriveRoots(buffer, nLength)) {
        if (calls.isUsbDrive(root)) {
            pDrives->push_back(root);
        }
    }
    return !pDrives->empty();
}

bool ReadIniValue(const std::wstring& section, const std::wstring& key, const std::wstring& file,
                  std::wstring* pValue) {
    wchar_t value[kIniValueChars] = {};
    const DWORD n = GetPrivateProfileStringW(section.c_str(), key.c_str(), L"", value,
                                             kIniValueChars, file.c_str());
    if (n == 0) {
        return false;
    }
    *pValue = value;
    return true;
}

std::string WideToAnsi(const std::wstring& text) {
    const int n = WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    if (n <= 0) {
        return {};
    }
    std::string bytes(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, bytes.data(), n, nullptr, nullptr);
    bytes.resize(static_cast<std::size_t>(n) - 1);
    return bytes;
}

std::wstring AnsiToWide(const std::string& text) {
    const int n = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    if (n <= 0) {
        return {};
    }
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), n);
    wide.resize(static_cast<std::size_t>(n) - 1);
    return wide;
}

std::optional<int> DetectHostClientType(CAesCipher& aes, const HostClientSystemCalls& calls) {
    // A file check or the ini read on a drive without media would raise the box as well.
    const CriticalErrorsSilenced silenced;
    std::vector<std::wstring> drives;
    if (!EnumUsbDrives(&drives, calls)) {
        return std::nullopt;
    }
    const auto file = HostClientSearch::DeviceInfoFile(
        drives, [](const std::wstring&) { return true; },
        [](const std::wstring& path) { return _waccess(path.c_str(), 0) == 0; });
    if (!file) {
        return std::nullopt;
    }
    std::wstring value;
    ReadIniValue(L"DeviceType", L"Type", *file, &value);
    const std::string stored = WideToAnsi(value);
    char plain[kPlainTextBytes] = {};
    DecryptDeviceInfo(aes, stored.c_str(), plain, sizeof(plain), DEVICE_INFO_KEY);
    return HostClientSearch::DeviceType(AnsiToWide(plain));
}
