#include "service/Base64Decode.h"

#include <climits>

namespace {

constexpr int kInvalid = -1;
constexpr int kPad = -2;

// Value of an alphabet character, kPad for "=", kInvalid for anything else (bytes >= 0x80 too).
int ValueOf(char c) {
    if (c >= 'A' && c <= 'Z') {
        return c - 'A';
    }
    if (c >= 'a' && c <= 'z') {
        return c - 'a' + 26;
    }
    if (c >= '0' && c <= '9') {
        return c - '0' + 52;
    }
    if (c == '+') {
        return 62;
    }
    if (c == '/') {
        return 63;
    }
    return c == '=' ? kPad : kInvalid;
}

} // namespace

int Base64Decode(const char* text, unsigned char* out, std::size_t maxBytes) {
    if (text == nullptr || out == nullptr) {
        return -1;
    }
    if (text[0] == '+' && text[1] == ' ') {
        text += 2;
    }
    std::size_t count = 0;
    while (*text != '\0' && *text != '\r') {
        // Characters are examined one at a time, so a short group never reads past its NUL.
        int v[4];
        for (int i = 0; i < 4; ++i) {
            v[i] = ValueOf(text[i]);
            if (v[i] == kInvalid || (i < 2 && v[i] == kPad)) {
                return -1;
            }
        }
        text += 4;
        unsigned char bytes[3];
        int produced = 1;
        bytes[0] = static_cast<unsigned char>(((v[0] << 2) | (v[1] >> 4)) & 0xFF);
        if (v[2] != kPad) {
            bytes[1] = static_cast<unsigned char>(((v[1] << 4) | (v[2] >> 2)) & 0xFF);
            ++produced;
            if (v[3] != kPad) {
                bytes[2] = static_cast<unsigned char>(((v[2] << 6) | v[3]) & 0xFF);
                ++produced;
            }
        }
        for (int i = 0; i < produced; ++i) {
            if ((maxBytes != 0 && count + 1 > maxBytes) || count >= INT_MAX) {
                return -1;
            }
            out[count++] = bytes[i];
        }
        if (v[3] == kPad) {
            break;
        }
    }
    return static_cast<int>(count);
}
