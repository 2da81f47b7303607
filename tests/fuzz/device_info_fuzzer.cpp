// Arbitrary "DeviceInfo.ini" values from a USB drive, arbitrary output sizes: deciphering stays
// inside the output, leaves it zero-terminated, and device types survive a round trip.
#include "service/AesCipher.h"
#include "service/DeviceInfoDecryption.h"
#include "service/DeviceInfoEncipher.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) {
        return 0;
    }
    // First two bytes: the output size (0 to 1,023); the rest is the stored text.
    const std::size_t outSize = (std::size_t{data[0]} << 8 | data[1]) % 1024;
    const std::string stored(reinterpret_cast<const char*>(data) + 2, size - 2);

    CAesCipher aes;
    // Exactly outSize bytes (a zero-size array included), so ASan sees a single byte too many.
    const std::unique_ptr<char[]> out(new char[outSize]);
    std::memset(out.get(), 0x55, outSize);
    const int length = DecryptDeviceInfo(aes, stored.c_str(), out.get(), outSize, DEVICE_INFO_KEY);
    if (length < 0 || (length > 0 && static_cast<std::size_t>(length) >= outSize)) {
        std::abort();
    }
    if (length > 0 && (out[static_cast<std::size_t>(length)] != '\0' ||
                       std::memchr(out.get(), '\0', static_cast<std::size_t>(length)) != nullptr)) {
        std::abort();
    }

    const std::string type = stored.substr(0, std::strlen(stored.c_str()));
    if (const auto enciphered = EncipherDeviceInfo(type)) {
        std::vector<char> plain(1024);
        if (DecryptDeviceInfo(aes, enciphered->c_str(), plain.data(), plain.size(),
                              DEVICE_INFO_KEY) != static_cast<int>(type.size()) ||
            type.compare(0, type.size(), plain.data(), type.size()) != 0) {
            std::abort();
        }
    }
    return 0;
}
