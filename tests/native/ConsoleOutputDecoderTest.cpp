#include "system/ConsoleOutputDecoder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

namespace {

// Code page 936 as the system reports it: lead bytes 0x81 to 0xFE.
const unsigned char kGbkRanges[12] = {0x81, 0xFE, 0, 0};

LeadByteTable Gbk() {
    return ConsoleOutputDecoder::LeadBytesFromRanges(kGbkRanges, sizeof(kGbkRanges));
}

// Feeds the stream in reads of the given sizes, in the console runner's order (a buffer is asked
// for before every read, the last one finding the end), and returns what would be converted,
// with the runs joined by '|' where each conversion would start anew.
struct Fed {
    std::string text;
    std::string runs;
};

Fed Feed(ConsoleOutputDecoder& decoder, const std::string& stream,
         const std::vector<std::size_t>& readSizes) {
    Fed fed;
    std::size_t pos = 0;
    for (std::size_t size : readSizes) {
        const auto target = decoder.NextReadBuffer();
        EXPECT_EQ(target.size(), ConsoleOutputDecoder::kChunkSize);
        const std::size_t n = std::min({size, target.size(), stream.size() - pos});
        std::copy_n(stream.data() + pos, n, target.data());
        pos += n;
        const std::string_view run = decoder.TakeChunk(n);
        fed.text.append(run);
        fed.runs.append(run).append("|");
    }
    decoder.NextReadBuffer();
    const std::string_view rest = decoder.TakeRemainder();
    fed.text.append(rest);
    fed.runs.append(rest);
    return fed;
}

std::string Bytes(std::initializer_list<unsigned char> bytes) {
    return std::string(bytes.begin(), bytes.end());
}

} // namespace

TEST(ConsoleOutputDecoder, LeadBytesComeFromTheCodePageRanges) {
    const LeadByteTable gbk = Gbk();
    EXPECT_FALSE(gbk[0x80]);
    EXPECT_TRUE(gbk[0x81]);
    EXPECT_TRUE(gbk[0xFE]);
    EXPECT_FALSE(gbk[0xFF]);
    EXPECT_FALSE(gbk['A']);

    // Shift-JIS style: two ranges; a single-byte code page reports none.
    const unsigned char sjis[12] = {0x81, 0x9F, 0xE0, 0xFC, 0, 0};
    const LeadByteTable two = ConsoleOutputDecoder::LeadBytesFromRanges(sjis, sizeof(sjis));
    EXPECT_TRUE(two[0x9F]);
    EXPECT_FALSE(two[0xA0]);
    EXPECT_TRUE(two[0xE0]);
    EXPECT_FALSE(two[0xFD]);
    const unsigned char none[12] = {};
    const LeadByteTable single = ConsoleOutputDecoder::LeadBytesFromRanges(none, sizeof(none));
    EXPECT_EQ(std::count(single.begin(), single.end(), true), 0);
}

TEST(ConsoleOutputDecoder, CharacterSplitBetweenReadsIsCarriedIntoTheNextRun) {
    ConsoleOutputDecoder decoder(Gbk());
    // "AB中" with the read ending between 0xD6 and 0xD0.
    const std::string stream = "AB" + Bytes({0xD6, 0xD0}) + "C";
    const Fed fed = Feed(decoder, stream, {3, 2});
    EXPECT_EQ(fed.text, stream);
    EXPECT_EQ(fed.runs, "AB|" + Bytes({0xD6, 0xD0}) + "C|");
}

TEST(ConsoleOutputDecoder, TrailBytesInTheLeadRangeAreNotMistakenForLeads) {
    ConsoleOutputDecoder decoder(Gbk());
    // 中 is D6 D0: its trail byte is a valid lead byte, yet the run ends on a boundary.
    const std::string zhong = Bytes({0xD6, 0xD0});
    Fed fed = Feed(decoder, zhong + zhong, {2, 2});
    EXPECT_EQ(fed.runs, zhong + "|" + zhong + "|");

    // Three bytes D6 D0 D6: only the last one opens a character.
    ConsoleOutputDecoder second(Gbk());
    fed = Feed(second, zhong + zhong, {3, 1});
    EXPECT_EQ(fed.runs, zhong + "|" + zhong + "|");
}

TEST(ConsoleOutputDecoder, ZeroByteEndsItsChunkOnly) {
    ConsoleOutputDecoder decoder(Gbk());
    const std::string first = std::string("ab\0cd", 5);
    const Fed fed = Feed(decoder, first + "ef", {5, 2});
    EXPECT_EQ(fed.runs, "ab|ef|");

    // Nothing is carried from a chunk cut short by a zero, even if a lead byte precedes it.
    ConsoleOutputDecoder lead(Gbk());
    const std::string cut = "x" + Bytes({0xD6}) + std::string(1, '\0') + Bytes({0xD6});
    const Fed leadFed = Feed(lead, cut + "yz", {4, 2});
    EXPECT_EQ(leadFed.runs, "x" + Bytes({0xD6}) + "|yz|");
}

TEST(ConsoleOutputDecoder, LeadByteAtEndOfDataIsStillDelivered) {
    ConsoleOutputDecoder decoder(Gbk());
    const std::string stream = "ok" + Bytes({0xB3});
    const Fed fed = Feed(decoder, stream, {3});
    EXPECT_EQ(fed.runs, "ok|" + Bytes({0xB3}));
    EXPECT_TRUE(decoder.TakeRemainder().empty());
}

TEST(ConsoleOutputDecoder, SingleByteCodePageNeverHoldsBack) {
    ConsoleOutputDecoder decoder(LeadByteTable{});
    const std::string stream = Bytes({0xE9, 0xD6, 0xD6});
    const Fed fed = Feed(decoder, stream, {1, 1, 1});
    EXPECT_EQ(fed.runs, Bytes({0xE9}) + "|" + Bytes({0xD6}) + "|" + Bytes({0xD6}) + "|");
}

TEST(ConsoleOutputDecoder, ReadsLongerThanAChunkAreBounded) {
    ConsoleOutputDecoder decoder(LeadByteTable{});
    const auto target = decoder.NextReadBuffer();
    std::fill(target.begin(), target.end(), 'x');
    EXPECT_EQ(decoder.TakeChunk(ConsoleOutputDecoder::kChunkSize + 100).size(),
              ConsoleOutputDecoder::kChunkSize);
}

TEST(ConsoleOutputDecoder, MixedTextInFullChunksArrivesWholeAndInOrder) {
    std::mt19937 random(20261207);
    for (int round = 0; round < 20; ++round) {
        std::string stream;
        const std::size_t length = 3 * ConsoleOutputDecoder::kChunkSize + random() % 4000;
        while (stream.size() < length) {
            if (random() % 3 == 0) {
                stream.push_back(static_cast<char>('a' + random() % 26));
            } else {
                stream.push_back(static_cast<char>(0x81 + random() % 0x7E));
                stream.push_back(static_cast<char>(0x40 + random() % 0xBF));
            }
        }
        std::vector<std::size_t> reads;
        for (std::size_t left = stream.size(); left > 0;) {
            // Pipes return full chunks or less; a held byte shortens the room by one.
            const std::size_t n = random() % 2 ? ConsoleOutputDecoder::kChunkSize - 1
                                               : 1 + random() % ConsoleOutputDecoder::kChunkSize;
            reads.push_back(std::min(n, left));
            left -= reads.back();
        }
        ConsoleOutputDecoder decoder(Gbk());
        EXPECT_EQ(Feed(decoder, stream, reads).text, stream) << "round " << round;
    }
}
