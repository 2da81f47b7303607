#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

// Which byte values open a double-byte character in a multi-byte code page.
using LeadByteTable = std::array<bool, 256>;

// Cuts console output read in fixed chunks into byte runs that can each be converted on
// their own: text stops at a chunk's first zero byte, and a lead byte that ends a chunk is
// held back and put in front of the next one, so no double-byte character is split.
class ConsoleOutputDecoder {
public:
    static constexpr std::size_t kChunkSize = 4095;

    // ranges: pairs of first/last lead byte, ended by a zero pair (as a code page reports them).
    static LeadByteTable LeadBytesFromRanges(const unsigned char* ranges, std::size_t size);

    explicit ConsoleOutputDecoder(const LeadByteTable& leadBytes);

    // Where the next read goes: kChunkSize zeroed bytes after any byte held back.
    std::span<char> NextReadBuffer();
    // The bytes of the chunk just read that are ready for conversion.
    std::string_view TakeChunk(std::size_t bytesRead);
    // At end of data, whether or not NextReadBuffer was asked for once more: a lead byte still
    // held back, or nothing.
    std::string_view TakeRemainder();

private:
    LeadByteTable m_leadBytes;
    std::array<char, kChunkSize + 2> m_buffer{}; // held byte + chunk + terminating zero
    std::size_t m_nHeld = 0;                     // bytes in front of the current chunk
    std::size_t m_nHoldFrom = 0;                 // where the byte to hold back sits
    bool m_bHoldPending = false;
};
