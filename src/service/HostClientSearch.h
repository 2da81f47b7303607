#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The host clients' part that needs no system: which drive roots a logical-drive string names,
// which device-information file the search settles on, and what the update notice says.
class HostClientSearch {
public:
    using Predicate = std::function<bool(const std::wstring&)>;

    // The roots of a GetLogicalDriveStrings buffer of nLength characters, walked in entries of
    // four characters (letter, colon, backslash, terminator) as long as one starts below nLength.
    static std::vector<std::wstring> DriveRoots(std::wstring_view buffer, std::size_t nLength);
    // The file to read the device type from: the first root (in order, USB ones only) holding a
    // client program is searched, Tallowin before Rivex; a root whose client lacks its
    // "DeviceInfo.ini" is passed over, and the first complete folder ends the search.
    static std::optional<std::wstring> DeviceInfoFile(const std::vector<std::wstring>& roots,
                                                      const Predicate& isUsb,
                                                      const Predicate& fileExists);
    // The leading decimal number of a deciphered text, as _wtoi reads it; 0 without one.
    static int DeviceType(std::wstring_view text);

    struct UpdateNotice {
        std::wstring_view text;
        // Only the neutral notice is followed by the tool's download page.
        bool bOpenDownloadPage;
    };
    static UpdateNotice UpdateNoticeFor(int nDeviceType);
};
