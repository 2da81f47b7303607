#include "system/ConsoleOutputDecoder.h"

#include <cstring>

LeadByteTable ConsoleOutputDecoder::LeadBytesFromRanges(const unsigned char* ranges,
                                                        std::size_t size) {
    LeadByteTable table{};
    for (std::size_t i = 0; i + 1 < size; i += 2) {
        const unsigned first = ranges[i];
        const unsigned last = ranges[i + 1];
        if (first == 0 && last == 0) {
            break;
        }
        for (unsigned b = first; b <= last && b < table.size(); ++b) {
            table[b] = true;
        }
    }
    return table;
}

ConsoleOutputDecoder::ConsoleOutputDecoder(const LeadByteTable& leadBytes)
    : m_leadBytes(leadBytes) {}

std::span<char> ConsoleOutputDecoder::NextReadBuffer() {
    if (m_bHoldPending) {
        m_buffer[0] = m_buffer[m_nHoldFrom];
        m_nHeld = 1;
        m_bHoldPending = false;
    } else {
        m_nHeld = 0;
    }
    std::memset(m_buffer.data() + m_nHeld, 0, m_buffer.size() - m_nHeld);
    return {m_buffer.data() + m_nHeld, kChunkSize};
}

std::string_view ConsoleOutputDecoder::TakeChunk(std::size_t bytesRead) {
    const std::size_t total = m_nHeld + (bytesRead < kChunkSize ? bytesRead : kChunkSize);
    const std::size_t text = ::strnlen(m_buffer.data(), total);
    m_nHeld = 0;
    if (text < total) {
        // A zero byte ends the text of its chunk; nothing after it is carried either.
        return {m_buffer.data(), text};
    }
    // Lead and trail byte ranges overlap, so only a walk from the start finds the boundary.
    std::size_t i = 0;
    while (i < text) {
        const auto b = static_cast<unsigned char>(m_buffer[i]);
        if (m_leadBytes[b]) {
            if (i + 1 == text) {
                m_nHoldFrom = i;
                m_bHoldPending = true;
                return {m_buffer.data(), i};
            }
            i += 2;
        } else {
            ++i;
        }
    }
    return {m_buffer.data(), text};
}

std::string_view ConsoleOutputDecoder::TakeRemainder() {
    if (m_bHoldPending) {
        m_bHoldPending = false;
        return {m_buffer.data() + m_nHoldFrom, 1};
    }
    // The reader asked for the next buffer before it learnt that no data was left: the byte
    // held back already stands in front of that buffer.
    const std::size_t nHeld = m_nHeld;
    m_nHeld = 0;
    return {m_buffer.data(), nHeld};
}
