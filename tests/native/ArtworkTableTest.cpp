// The skin's layouts depend on every PNG having its table size and its alpha (RGBA) or not
// (RGB); the images are generated, so this guards the committed files against drift.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct ImageRow {
    unsigned first;
    unsigned last;
    std::uint32_t width;
    std::uint32_t height;
    bool alpha;
};

constexpr ImageRow kTable[] = {
    {148, 148, 410, 611, true}, {149, 149, 400, 600, false}, {150, 150, 48, 16, true},
    {151, 154, 26, 34, false},  {155, 155, 232, 132, true},  {156, 156, 204, 104, true},
    {157, 160, 26, 34, false},  {161, 164, 266, 60, true},   {165, 168, 58, 18, false},
    {169, 169, 330, 150, true}, {170, 170, 320, 140, false}, {171, 173, 55, 24, false},
    {174, 176, 12, 12, false},  {177, 179, 55, 24, false},   {180, 182, 55, 24, false},
    {183, 185, 55, 24, false},  {186, 186, 410, 479, true},  {187, 187, 400, 468, true},
    {188, 191, 12, 12, false},  {197, 200, 266, 60, true},   {201, 201, 541, 402, true},
    {202, 205, 266, 60, true},  {206, 217, 82, 47, false},
};

constexpr std::uint8_t kColourTypeRgb = 2;
constexpr std::uint8_t kColourTypeRgba = 6;

fs::path ImageFolder() {
    return (fs::path(__FILE__).parent_path() / ".." / ".." / "src" / "res" / "png")
        .lexically_normal();
}

fs::path ImagePath(unsigned id) {
    return ImageFolder() / (std::to_string(id) + ".png");
}

std::vector<unsigned char> ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::uint32_t BigEndian32(const std::vector<unsigned char>& bytes, std::size_t at) {
    return (std::uint32_t{bytes[at]} << 24) | (std::uint32_t{bytes[at + 1]} << 16) |
           (std::uint32_t{bytes[at + 2]} << 8) | std::uint32_t{bytes[at + 3]};
}

struct Header {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::uint8_t bitDepth = 0;
    std::uint8_t colourType = 0;
};

// The IHDR must be the first chunk, right after the signature.
::testing::AssertionResult ReadHeader(const std::vector<unsigned char>& bytes, Header& header) {
    static constexpr std::array<unsigned char, 8> kSignature{0x89, 'P',  'N',  'G',
                                                             '\r', '\n', 0x1A, '\n'};
    static constexpr std::array<unsigned char, 4> kIhdr{'I', 'H', 'D', 'R'};
    if (bytes.size() < 33) {
        return ::testing::AssertionFailure() << "only " << bytes.size() << " bytes";
    }
    if (!std::equal(kSignature.begin(), kSignature.end(), bytes.begin())) {
        return ::testing::AssertionFailure() << "no PNG signature";
    }
    if (BigEndian32(bytes, 8) != 13 ||
        !std::equal(kIhdr.begin(), kIhdr.end(), bytes.begin() + 12)) {
        return ::testing::AssertionFailure() << "first chunk is not a 13-byte IHDR";
    }
    header.width = BigEndian32(bytes, 16);
    header.height = BigEndian32(bytes, 20);
    header.bitDepth = bytes[24];
    header.colourType = bytes[25];
    return ::testing::AssertionSuccess();
}

// A truncated file (or a placeholder in its stead) would still carry a valid header.
bool EndsWithIend(const std::vector<unsigned char>& bytes) {
    static constexpr std::array<unsigned char, 12> kIend{0,   0,   0,    0,    'I',  'E',
                                                         'N', 'D', 0xAE, 0x42, 0x60, 0x82};
    return bytes.size() >= kIend.size() &&
           std::equal(kIend.begin(), kIend.end(), bytes.end() - kIend.size());
}

std::set<unsigned> TableIds() {
    std::set<unsigned> ids;
    for (const ImageRow& row : kTable) {
        for (unsigned id = row.first; id <= row.last; ++id) {
            ids.insert(id);
        }
    }
    return ids;
}

} // namespace

TEST(ArtworkTable, EveryImageHasItsTableSizeAndColourType) {
    ASSERT_TRUE(fs::is_directory(ImageFolder())) << ImageFolder();
    for (const ImageRow& row : kTable) {
        for (unsigned id = row.first; id <= row.last; ++id) {
            SCOPED_TRACE("PNG " + std::to_string(id));
            const std::vector<unsigned char> bytes = ReadAll(ImagePath(id));
            Header header;
            ASSERT_TRUE(ReadHeader(bytes, header));
            EXPECT_EQ(header.width, row.width);
            EXPECT_EQ(header.height, row.height);
            EXPECT_EQ(header.bitDepth, 8);
            EXPECT_EQ(header.colourType, row.alpha ? kColourTypeRgba : kColourTypeRgb);
            EXPECT_TRUE(EndsWithIend(bytes)) << "file does not end with IEND";
        }
    }
}

TEST(ArtworkTable, HoldsExactlyTheTableIdsWithTheGapLeftOpen) {
    const std::set<unsigned> ids = TableIds();
    EXPECT_EQ(ids.size(), 65U);
    for (unsigned id = 192; id <= 196; ++id) {
        EXPECT_EQ(ids.count(id), 0U) << id;
        EXPECT_FALSE(fs::exists(ImagePath(id))) << id << ".png must not exist";
    }
    EXPECT_EQ(ids.count(201), 1U);
    EXPECT_TRUE(fs::is_regular_file(ImagePath(201)));

    // Nothing beyond the table: a stray image would be embedded without a user.
    std::set<std::string> strays;
    for (const fs::directory_entry& entry : fs::directory_iterator(ImageFolder())) {
        strays.insert(entry.path().filename().string());
    }
    for (unsigned id : ids) {
        strays.erase(std::to_string(id) + ".png");
    }
    EXPECT_TRUE(strays.empty()) << "not in the table: " << ::testing::PrintToString(strays);
}
