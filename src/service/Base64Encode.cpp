#include "service/Base64Encode.h"

std::string Base64Encode(const unsigned char* data, std::size_t size) {
    static constexpr char kAlphabet[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string text;
    text.reserve((size + 2) / 3 * 4);
    for (std::size_t i = 0; i < size; i += 3) {
        const std::size_t left = size - i;
        const unsigned b0 = data[i];
        const unsigned b1 = left > 1 ? data[i + 1] : 0;
        const unsigned b2 = left > 2 ? data[i + 2] : 0;
        text += kAlphabet[b0 >> 2];
        text += kAlphabet[((b0 << 4) | (b1 >> 4)) & 0x3F];
        text += left > 1 ? kAlphabet[((b1 << 2) | (b2 >> 6)) & 0x3F] : '=';
        text += left > 2 ? kAlphabet[b2 & 0x3F] : '=';
    }
    return text;
}
