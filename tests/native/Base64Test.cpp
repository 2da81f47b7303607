#include "service/Base64Decode.h"
#include "service/Base64Encode.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr unsigned char kUnwritten = 0xEE;

struct Decoded {
    int result;
    std::string bytes; // the whole output buffer, unwritten bytes as kUnwritten
};

Decoded Decode(const std::string& text, std::size_t maxBytes = 0, std::size_t room = 16) {
    std::vector<unsigned char> out(room, kUnwritten);
    const int result = Base64Decode(text.c_str(), out.data(), maxBytes);
    return {result, std::string(out.begin(), out.end())};
}

std::string Written(const std::string& bytes, std::size_t room = 16) {
    std::string buffer(room, static_cast<char>(kUnwritten));
    buffer.replace(0, bytes.size(), bytes);
    return buffer;
}

std::string Encode(const std::string& bytes) {
    return Base64Encode(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
}

} // namespace

TEST(Base64, Rfc4648Vectors) {
    const std::pair<std::string, std::string> vectors[] = {
        {"", ""},
        {"f", "Zg=="},
        {"fo", "Zm8="},
        {"foo", "Zm9v"},
        {"foob", "Zm9vYg=="},
        {"fooba", "Zm9vYmE="},
        {"foobar", "Zm9vYmFy"},
    };
    for (const auto& [plain, text] : vectors) {
        const Decoded d = Decode(text);
        EXPECT_EQ(d.result, static_cast<int>(plain.size())) << text;
        EXPECT_EQ(d.bytes, Written(plain)) << text;
        EXPECT_EQ(Encode(plain), text) << plain;
    }
}

TEST(Base64, WholeAlphabetAndEveryByteRoundTrip) {
    std::string all;
    for (int b = 0; b < 256; ++b) {
        all += static_cast<char>(b);
    }
    const std::string text = Encode(all);
    EXPECT_EQ(text.substr(0, 8), "AAECAwQF");
    std::vector<unsigned char> out(256);
    ASSERT_EQ(Base64Decode(text.c_str(), out.data(), 0), 256);
    EXPECT_EQ(std::string(out.begin(), out.end()), all);
    ASSERT_EQ(Base64Decode("+/+/", out.data(), 0), 3);
    EXPECT_EQ(std::string(out.begin(), out.begin() + 3), "\xFB\xFF\xBF");
}

TEST(Base64, WhereDecodingStops) {
    struct Case {
        std::string text;
        int result;
        std::string bytes;
    };
    const Case cases[] = {
        {"+ Zm9v", 3, "foo"},          // a leading "+ " is skipped
        {"+ Zg==", 1, "f"},            //
        {"+Zm9v", -1, "\xF9\x99\xBD"}, // "+" without a blank is data: one group, then "v"
        {"+ \rZm9v", 0, ""},           // CR right after the skipped prefix
        {"\rZm9v", 0, ""},             // CR first
        {"Zm9v\r\nYmFy", 3, "foo"},    // CR ends the data
        {"Zm9v\r", 3, "foo"},          //
        {"Zg==Zm9v", 1, "f"},          // nothing after a group that ends in "="
        {"Zm8=!!!!", 2, "fo"},         // not even invalid characters
        {"Zm8=\n", 2, "fo"},           //
    };
    for (const Case& c : cases) {
        const Decoded d = Decode(c.text);
        EXPECT_EQ(d.result, c.result) << c.text;
        EXPECT_EQ(d.bytes, Written(c.bytes)) << c.text;
    }
}

TEST(Base64, MalformedGroupsFailAndKeepEarlierBytes) {
    struct Case {
        std::string text;
        std::string bytes; // written before the failing group
    };
    const Case cases[] = {
        {"Zm9", ""},
        {"Zm", ""},
        {"Z", ""},
        {"Zm9vYmF", "foo"},
        {"Zm9v Ym", "foo"},
        {"Zm9v\nYmFy", "foo"},
        {"Zm9v*mFy", "foo"},
        {"Zm-v", ""},
        {"Zm9_", ""},
        {"=m9v", ""},
        {"Z=9v", ""},
        {"====", ""},
        {"Zm9v\x80mFy", "foo"},
        {"Zm\xFFv", ""},
        {"\xC3\xA9Zm", ""},
    };
    for (const Case& c : cases) {
        const Decoded d = Decode(c.text);
        EXPECT_EQ(d.result, -1) << c.text;
        EXPECT_EQ(d.bytes, Written(c.bytes)) << c.text;
    }
}

TEST(Base64, PadInThirdPlaceWritesOneByteAndGoesOn) {
    // Only a pad in fourth place ends the data; "Zg=A" yields "f" and decoding continues.
    const Decoded d = Decode("Zg=AZm9v");
    EXPECT_EQ(d.result, 4);
    EXPECT_EQ(d.bytes, Written("ffoo"));
}

TEST(Base64, MaximumLimitsTheOutput) {
    EXPECT_EQ(Decode("Zm9vYmFy", 6, 6).bytes, Written("foobar", 6));
    EXPECT_EQ(Decode("Zm9vYmFy", 6, 6).result, 6);
    EXPECT_EQ(Decode("Zm9vYg==", 4, 4).result, 4);

    // One byte too many: -1, with every byte up to the maximum written and none after it.
    Decoded d = Decode("Zm9vYmFy", 5, 8);
    EXPECT_EQ(d.result, -1);
    EXPECT_EQ(d.bytes, Written("fooba", 8));
    d = Decode("Zm9vYmFy", 3, 8);
    EXPECT_EQ(d.result, -1);
    EXPECT_EQ(d.bytes, Written("foo", 8));
    d = Decode("Zm9v", 1, 8);
    EXPECT_EQ(d.result, -1);
    EXPECT_EQ(d.bytes, Written("f", 8));

    // 0 means no maximum.
    EXPECT_EQ(Decode("Zm9vYmFyZm9vYmFy", 0, 12).result, 12);
}

TEST(Base64, NullPointersFail) {
    unsigned char out[4] = {};
    EXPECT_EQ(Base64Decode(nullptr, out, 4), -1);
    EXPECT_EQ(Base64Decode("Zm9v", nullptr, 4), -1);
}
