#include "service/DeviceInfoDecryption.h"

#include "service/Base64Decode.h"

#include <cstring>
#include <vector>

int DecryptDeviceInfo(CAesCipher& aes, const char* storedText, char* out, std::size_t outSize,
                      const char* key) {
    if (storedText == nullptr || out == nullptr || key == nullptr) {
        return 0;
    }
    aes.SetKey(reinterpret_cast<const unsigned char*>(key), 16);
    aes.SetCounter(DEVICE_INFO_COUNTER);

    const std::size_t length = std::strlen(storedText);
    const std::size_t decodedBytes = length / 4 * 3;
    const std::size_t blockBytes = (decodedBytes + CAesCipher::kBlockBytes - 1) /
                                   CAesCipher::kBlockBytes * CAesCipher::kBlockBytes;
    // Rounding up to whole blocks can write past the stored text's length, and the result is
    // measured as a zero-terminated text: both must fit.
    if (outSize < length || outSize <= blockBytes) {
        return 0;
    }

    // Bytes the decoder leaves unwritten (short or invalid text) stay zero.
    std::vector<unsigned char> data(blockBytes, 0);
    if (decodedBytes > 0) {
        Base64Decode(storedText, data.data(), decodedBytes);
    }
    std::memset(out, 0, outSize);
    aes.Decrypt(data.data(), reinterpret_cast<unsigned char*>(out), blockBytes, AES_MODE_CTR);
    return static_cast<int>(std::strlen(out));
}
