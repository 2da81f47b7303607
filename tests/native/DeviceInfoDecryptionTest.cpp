#include "service/DeviceInfoDecryption.h"
#include "service/DeviceInfoEncipher.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Stored values computed independently (openssl, one AES-128 block at a time) under the first
// 16 bytes of DEVICE_INFO_KEY and DEVICE_INFO_COUNTER.
const std::string kStoredType2 = "oITdEv8YhVL6Ljv0Ee1K2w=="; // "2", 15 zero bytes
const std::string kStoredTwoBlocks =
    "o7buJsousmrDHgrGItl/7ehAc6z9hlTkIMWRoK64jzQ="; // "12345678901234567890", 12 zero bytes
const std::string kStoredSixteenLetters = "08aeVrpewhqzZHC4XKMFiw=="; // "ABCDEFGHIJKLMNOP"
// Key stream of the first two blocks; the second counter has byte 0 increased.
const std::string kKeyStream1 = "\x92\x84\xdd\x12\xff\x18\x85\x52\xfa\x2e\x3b\xf4\x11\xed\x4a\xdb";
const std::string kKeyStream2 = "\xdf\x78\x4a\x9c\xfd\x86\x54\xe4\x20\xc5\x91\xa0\xae\xb8\x8f\x34";

constexpr char kUntouched = '\x77';

struct Result {
    int length;
    std::string buffer;
};

Result Decrypt(const std::string& stored, std::size_t size = 1024) {
    CAesCipher aes;
    std::string buffer(size, kUntouched);
    const int length = DecryptDeviceInfo(aes, stored.c_str(), buffer.data(), size, DEVICE_INFO_KEY);
    return {length, buffer};
}

} // namespace

TEST(DeviceInfoDecryption, KnownStoredValues) {
    Result r = Decrypt(kStoredType2);
    EXPECT_EQ(r.length, 1);
    EXPECT_EQ(r.buffer.substr(0, 2), std::string("2\0", 2));

    r = Decrypt("+ " + kStoredType2);
    EXPECT_EQ(r.length, 1);
    EXPECT_EQ(r.buffer[0], '2');

    // Two blocks decipher correctly only with the little-endian counter increment.
    r = Decrypt(kStoredTwoBlocks);
    EXPECT_EQ(r.length, 20);
    EXPECT_EQ(r.buffer.substr(0, 20), "12345678901234567890");
}

TEST(DeviceInfoDecryption, TwentyFourCharactersDecipherTwoBlocks) {
    // 24 characters ending in "==": 16 bytes decoded, n = 18, m = 32. The second block comes
    // from zero bytes, so it deciphers to the key stream; with no zero byte anywhere the text
    // runs through both blocks and ends at the zero after them.
    const Result r = Decrypt(kStoredSixteenLetters, 64);
    EXPECT_EQ(r.length, 32);
    EXPECT_EQ(r.buffer.substr(0, 16), "ABCDEFGHIJKLMNOP");
    EXPECT_EQ(r.buffer.substr(16, 16), kKeyStream2);
    EXPECT_EQ(r.buffer.substr(32), std::string(32, '\0'));
}

TEST(DeviceInfoDecryption, InvalidOrShortTextLeavesKeyStream) {
    // Nothing decodes, so the zero bytes decipher to the key stream.
    Result r = Decrypt("!!!!", 32);
    EXPECT_EQ(r.length, 16);
    EXPECT_EQ(r.buffer.substr(0, 16), kKeyStream1);
    EXPECT_EQ(r.buffer.substr(16), std::string(16, '\0'));

    // Fewer than four characters: nothing to decipher.
    for (const char* text : {"", "o", "oI=", "+ "}) {
        r = Decrypt(text, 8);
        EXPECT_EQ(r.length, 0) << text;
        EXPECT_EQ(r.buffer, std::string(8, '\0')) << text;
    }
}

TEST(DeviceInfoDecryption, OutputTooSmallReturnsZeroUntouched) {
    // Shorter than the stored text.
    Result r = Decrypt(kStoredType2, kStoredType2.size() - 1);
    EXPECT_EQ(r.length, 0);
    EXPECT_EQ(r.buffer, std::string(kStoredType2.size() - 1, kUntouched));

    // Long enough for the text, but not for the 32 deciphered bytes and a terminating zero.
    for (const std::size_t size : {std::size_t{24}, std::size_t{31}, std::size_t{32}}) {
        r = Decrypt(kStoredType2, size);
        EXPECT_EQ(r.length, 0) << size;
        EXPECT_EQ(r.buffer, std::string(size, kUntouched)) << size;
    }
    EXPECT_EQ(Decrypt(kStoredType2, 33).length, 1);

    // Without padding the decoded bytes fill n exactly (64 characters, n = m = 48), and the
    // stored text is what limits the size.
    const std::string type(40, '7');
    const std::string stored = EncipherDeviceInfo(type).value();
    ASSERT_EQ(stored.size(), 64u);
    r = Decrypt(stored, 63);
    EXPECT_EQ(r.length, 0);
    EXPECT_EQ(r.buffer, std::string(63, kUntouched));
    r = Decrypt(stored, 64);
    EXPECT_EQ(r.length, 40);
    EXPECT_EQ(r.buffer, type + std::string(24, '\0'));

    r = Decrypt("", 0);
    EXPECT_EQ(r.length, 0);
    EXPECT_EQ(Decrypt("", 1).buffer, std::string(1, '\0'));
}

TEST(DeviceInfoDecryption, NullPointersAndStaleCipherState) {
    CAesCipher aes;
    char out[64];
    EXPECT_EQ(DecryptDeviceInfo(aes, nullptr, out, sizeof(out), DEVICE_INFO_KEY), 0);
    EXPECT_EQ(DecryptDeviceInfo(aes, kStoredType2.c_str(), nullptr, 64, DEVICE_INFO_KEY), 0);
    EXPECT_EQ(DecryptDeviceInfo(aes, kStoredType2.c_str(), out, sizeof(out), nullptr), 0);

    // Whatever the cipher held before, each call rekeys it and resets the counter.
    const unsigned char other[32] = {1, 2, 3};
    aes.SetKey(other, 32);
    aes.SetCounter(other);
    EXPECT_EQ(DecryptDeviceInfo(aes, kStoredType2.c_str(), out, sizeof(out), DEVICE_INFO_KEY), 1);
    EXPECT_EQ(DecryptDeviceInfo(aes, kStoredType2.c_str(), out, sizeof(out), DEVICE_INFO_KEY), 1);
    EXPECT_EQ(out[0], '2');
}

TEST(DeviceInfoEncipher, WritesWhatDecryptionReads) {
    EXPECT_EQ(EncipherDeviceInfo("2"), kStoredType2);
    EXPECT_EQ(EncipherDeviceInfo("12345678901234567890"), kStoredTwoBlocks);

    // Around the block size and up to the longest value the host-client check reads.
    for (const std::size_t size : {1, 15, 16, 17, 100, 175}) {
        const std::string type(size, static_cast<char>('0' + size % 10));
        const auto stored = EncipherDeviceInfo(type);
        ASSERT_TRUE(stored.has_value()) << size;
        EXPECT_LE(stored->size(), kMaxStoredDeviceInfoChars) << size;
        const Result r = Decrypt(*stored);
        EXPECT_EQ(r.length, static_cast<int>(size));
        EXPECT_EQ(r.buffer.substr(0, size), type);
    }
    EXPECT_FALSE(EncipherDeviceInfo(std::string(176, '9')).has_value());
    EXPECT_FALSE(EncipherDeviceInfo(std::string("1\0"
                                                "2",
                                                3))
                     .has_value());
}
