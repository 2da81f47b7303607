// Arbitrary console bytes in arbitrary read sizes: the decoder never loses or reorders a byte
// of zero-free output and never ends a run inside a double-byte character.
#include "system/ConsoleOutputDecoder.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

bool EndsOnBoundary(std::string_view run, const LeadByteTable& leads) {
    std::size_t i = 0;
    while (i < run.size()) {
        i += leads[static_cast<unsigned char>(run[i])] ? 2 : 1;
    }
    return i == run.size();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) {
        return 0;
    }
    const unsigned char ranges[12] = {0x81, 0xFE, 0, 0};
    const LeadByteTable leads = ConsoleOutputDecoder::LeadBytesFromRanges(ranges, sizeof(ranges));
    const std::size_t step = 1 + data[0] % 64;
    const bool bDropZeros = data[1] & 1;
    std::string stream(reinterpret_cast<const char*>(data) + 2, size - 2);
    if (bDropZeros) {
        std::replace(stream.begin(), stream.end(), '\0', 'z');
    }

    ConsoleOutputDecoder decoder(leads);
    std::string joined;
    for (std::size_t pos = 0; pos < stream.size();) {
        const auto target = decoder.NextReadBuffer();
        const std::size_t n = std::min(step, stream.size() - pos);
        std::memcpy(target.data(), stream.data() + pos, n);
        pos += n;
        const std::string_view run = decoder.TakeChunk(n);
        if (run.find('\0') != std::string_view::npos) {
            std::abort();
        }
        if (bDropZeros && !EndsOnBoundary(run, leads)) {
            std::abort();
        }
        joined.append(run);
    }
    // As the runner does: one more buffer is asked for by the read that finds the end.
    decoder.NextReadBuffer();
    joined.append(decoder.TakeRemainder());
    if (joined.size() > stream.size() || (bDropZeros && joined != stream)) {
        std::abort();
    }
    return 0;
}
