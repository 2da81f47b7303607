#include "service/DeviceInfoEncipher.h"

#include "service/AesCipher.h"
#include "service/Base64Encode.h"
#include "service/DeviceInfoDecryption.h"

#include <vector>

std::optional<std::string> EncipherDeviceInfo(std::string_view deviceType) {
    if (deviceType.find('\0') != std::string_view::npos) {
        return std::nullopt;
    }
    const std::size_t blocks = deviceType.size() / CAesCipher::kBlockBytes + 1;
    std::vector<unsigned char> plain(blocks * CAesCipher::kBlockBytes, 0);
    deviceType.copy(reinterpret_cast<char*>(plain.data()), deviceType.size());

    // Counter mode is its own inverse, so the decrypting operation enciphers as well.
    CAesCipher aes;
    aes.SetKey(reinterpret_cast<const unsigned char*>(DEVICE_INFO_KEY), 16);
    aes.SetCounter(DEVICE_INFO_COUNTER);
    std::vector<unsigned char> cipher(plain.size());
    aes.Decrypt(plain.data(), cipher.data(), plain.size(), AES_MODE_CTR);

    std::string stored = Base64Encode(cipher.data(), cipher.size());
    if (stored.size() > kMaxStoredDeviceInfoChars) {
        return std::nullopt;
    }
    return stored;
}
