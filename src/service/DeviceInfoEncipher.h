#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The longest stored value the host-client check reads from "DeviceInfo.ini".
inline constexpr std::size_t kMaxStoredDeviceInfoChars = 254;

// The stored form of a device type, as the host clients write it: the text followed by zero
// bytes up to a whole number of AES blocks (at least one zero byte, so the deciphered text
// ends there), enciphered like DecryptDeviceInfo deciphers, then Base64. Nothing when the text
// holds a zero byte or its stored form would be longer than the check reads.
std::optional<std::string> EncipherDeviceInfo(std::string_view deviceType);
