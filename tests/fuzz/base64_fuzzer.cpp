// Arbitrary stored text, arbitrary output limits: the decoder stays inside its buffer, reports
// no more bytes than the limit, and reads back whatever the encoder writes.
#include "service/Base64Decode.h"
#include "service/Base64Encode.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) {
        return 0;
    }
    // First byte: the maximum, 0 meaning none; the rest is the text, cut at any zero byte.
    const std::size_t maxBytes = data[0];
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
    const std::size_t textLength = std::strlen(text.c_str());

    // Room for exactly what may be written (a zero-size array when nothing may be), so ASan
    // sees a single byte too many.
    const std::size_t bound = textLength / 4 * 3;
    const std::size_t room = maxBytes != 0 ? maxBytes : bound;
    const std::unique_ptr<unsigned char[]> out(new unsigned char[room]);
    const int result = Base64Decode(text.c_str(), out.get(), maxBytes);
    if (result < -1 || (result >= 0 && static_cast<std::size_t>(result) > room)) {
        std::abort();
    }

    const std::string encoded =
        Base64Encode(reinterpret_cast<const unsigned char*>(data) + 1, size - 1);
    const std::unique_ptr<unsigned char[]> back(new unsigned char[size - 1]);
    if (Base64Decode(encoded.c_str(), back.get(), size - 1) != static_cast<int>(size - 1) ||
        std::memcmp(back.get(), data + 1, size - 1) != 0) {
        std::abort();
    }
    return 0;
}
