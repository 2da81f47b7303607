#include "service/AesCipher.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

Bytes FromHex(const std::string& hex) {
    Bytes bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
        bytes.push_back(static_cast<unsigned char>(std::stoul(hex.substr(i, 2), nullptr, 16)));
    }
    return bytes;
}

CAesCipher Keyed(const std::string& keyHex) {
    CAesCipher aes;
    const Bytes key = FromHex(keyHex);
    aes.SetKey(key.data(), static_cast<int>(key.size()));
    return aes;
}

Bytes Decrypted(const CAesCipher& aes, const Bytes& in, int mode) {
    Bytes out(in.size(), 0);
    aes.Decrypt(in.data(), out.data(), in.size(), mode);
    return out;
}

Bytes Encrypted(const CAesCipher& aes, const Bytes& block) {
    Bytes out(16);
    aes.EncryptBlock(block.data(), out.data());
    return out;
}

// NIST SP 800-38A, appendix F: the common plain text and the AES-128 key.
const Bytes kPlain = FromHex("6bc1bee22e409f96e93d7e117393172a"
                             "ae2d8a571e03ac9c9eb76fac45af8e51"
                             "30c81c46a35ce411e5fbc1191a0a52ef"
                             "f69f2445df4f9b17ad2b417be66c3710");
const std::string kKey128 = "2b7e151628aed2a6abf7158809cf4f3c";
const Bytes kIv = FromHex("000102030405060708090a0b0c0d0e0f");

} // namespace

TEST(AesCipher, Fips197AppendixCBlocksForEveryKeySize) {
    const Bytes plain = FromHex("00112233445566778899aabbccddeeff");
    struct Case {
        std::string key, cipher;
    };
    for (const Case& c : {
             Case{"000102030405060708090a0b0c0d0e0f", "69c4e0d86a7b0430d8cdb78070b4c55a"},
             Case{"000102030405060708090a0b0c0d0e0f1011121314151617",
                  "dda97ca4864cdfe06eaf70a0ec0d7191"},
             Case{"000102030405060708090a0b0c0d0e0f101112131415161718191a1b1c1d1e1f",
                  "8ea2b7ca516745bfeafc49904b496089"},
         }) {
        const CAesCipher aes = Keyed(c.key);
        EXPECT_EQ(Encrypted(aes, plain), FromHex(c.cipher)) << c.key;
        Bytes back(16);
        aes.DecryptBlock(FromHex(c.cipher).data(), back.data());
        EXPECT_EQ(back, plain) << c.key;
    }
}

TEST(AesCipher, Sp80038aDecryptionVectors) {
    struct Case {
        const char* name;
        std::string key;
        int mode;
        std::string cipher;
    };
    const Case cases[] = {
        {"ECB-AES128", kKey128, AES_MODE_ECB,
         "3ad77bb40d7a3660a89ecaf32466ef97f5d3d58503b9699de785895a96fdbaaf"
         "43b1cd7f598ece23881b00e3ed0306887b0c785e27e8ad3f8223207104725dd4"},
        {"ECB-AES192", "8e73b0f7da0e6452c810f32b809079e562f8ead2522c6b7b", AES_MODE_ECB,
         "bd334f1d6e45f25ff712a214571fa5cc974104846d0ad3ad7734ecb3ecee4eef"
         "ef7afd2270e2e60adce0ba2face6444e9a4b41ba738d6c72fb16691603c18e0e"},
        {"ECB-AES256", "603deb1015ca71be2b73aef0857d77811f352c073b6108d72d9810a30914dff4",
         AES_MODE_ECB,
         "f3eed1bdb5d2a03c064b5a7e3db181f8591ccb10d410ed26dc5ba74a31362870"
         "b6ed21b99ca6f4f9f153e7b1beafed1d23304b7a39f9f3ff067d8d8f9e24ecc7"},
        {"CBC-AES128", kKey128, AES_MODE_CBC,
         "7649abac8119b246cee98e9b12e9197d5086cb9b507219ee95db113a917678b2"
         "73bed6b8e3c1743b7116e69e222295163ff1caa1681fac09120eca307586e1a7"},
        {"CFB128-AES128", kKey128, AES_MODE_CFB,
         "3b3fd92eb72dad20333449f8e83cfb4ac8a64537a0b3a93fcde3cdad9f1ce58b"
         "26751f67a3cbb140b1808cf187a4f4dfc04b05357c5d1c0eeac4c66f9ff7f2e6"},
        {"OFB-AES128", kKey128, AES_MODE_OFB,
         "3b3fd92eb72dad20333449f8e83cfb4a7789508d16918f03f53c52dac54ed825"
         "9740051e9c5fecf64344f7a82260edcc304c6528f659c77866a510d9c1d6ae5e"},
    };
    for (const Case& c : cases) {
        CAesCipher aes = Keyed(c.key);
        aes.SetIv(kIv.data());
        EXPECT_EQ(Decrypted(aes, FromHex(c.cipher), c.mode), kPlain) << c.name;
        // The chaining value starts afresh on every call.
        EXPECT_EQ(Decrypted(aes, FromHex(c.cipher), c.mode), kPlain) << c.name << " again";
    }
}

TEST(AesCipher, ChainedModesWorkInPlace) {
    for (const int mode : {AES_MODE_CBC, AES_MODE_CFB}) {
        CAesCipher aes = Keyed(kKey128);
        aes.SetIv(kIv.data());
        Bytes buffer =
            FromHex(mode == AES_MODE_CBC
                        ? "7649abac8119b246cee98e9b12e9197d5086cb9b507219ee95db113a917678b2"
                        : "3b3fd92eb72dad20333449f8e83cfb4ac8a64537a0b3a93fcde3cdad9f1ce58b");
        aes.Decrypt(buffer.data(), buffer.data(), buffer.size(), mode);
        EXPECT_EQ(buffer, Bytes(kPlain.begin(), kPlain.begin() + 32)) << mode;
    }
}

TEST(AesCipher, CounterModeRoundTripsAndMatchesTheFirstSp80038aBlock) {
    CAesCipher aes = Keyed(kKey128);
    const Bytes counter = FromHex("f0f1f2f3f4f5f6f7f8f9fafbfcfdfeff");
    aes.SetCounter(counter.data());
    const Bytes cipher = Decrypted(aes, kPlain, AES_MODE_CTR);
    // Only the first block shares the standard's counter; its increment is big-endian.
    EXPECT_EQ(Bytes(cipher.begin(), cipher.begin() + 16),
              FromHex("874d6191b620e3261bef6864990db6ce"));
    EXPECT_EQ(Decrypted(aes, cipher, AES_MODE_CTR), kPlain);
}

TEST(AesCipher, CounterIncrementsLittleEndianWithCarry) {
    struct Case {
        std::string initial;
        std::vector<std::string> next; // counters of the following blocks
    };
    const Case cases[] = {
        {"f0f1f2f3f4f5f6f7f8f9fafbfcfdfeff",
         {"f1f1f2f3f4f5f6f7f8f9fafbfcfdfeff", "f2f1f2f3f4f5f6f7f8f9fafbfcfdfeff"}},
        {"ff120000000000000000000000000000", {"00130000000000000000000000000000"}},
        {"ffff0500000000000000000000000000", {"00000600000000000000000000000000"}},
        {"feffffffffffffffffffffffffffffff",
         {"ffffffffffffffffffffffffffffffff", "00000000000000000000000000000000"}},
    };
    for (const Case& c : cases) {
        CAesCipher aes = Keyed(kKey128);
        const Bytes initial = FromHex(c.initial);
        aes.SetCounter(initial.data());
        // Deciphering zeros yields the key stream: the enciphered counter of each block.
        const Bytes stream = Decrypted(aes, Bytes(16 * (c.next.size() + 1), 0), AES_MODE_CTR);
        EXPECT_EQ(Bytes(stream.begin(), stream.begin() + 16), Encrypted(aes, initial));
        for (std::size_t i = 0; i < c.next.size(); ++i) {
            const auto at = stream.begin() + static_cast<std::ptrdiff_t>(16 * (i + 1));
            EXPECT_EQ(Bytes(at, at + 16), Encrypted(aes, FromHex(c.next[i])))
                << c.initial << " block " << i + 1;
        }
    }
}

TEST(AesCipher, DecryptDoesNothingWhenAGuardFails) {
    const Bytes in(32, 0x5A);
    const Bytes untouched(32, 0xEE);
    const Bytes block = FromHex("000102030405060708090a0b0c0d0e0f");
    auto expectUntouched = [&](const CAesCipher& aes, const unsigned char* input,
                               std::size_t length, int mode, const char* what) {
        Bytes out = untouched;
        aes.Decrypt(input, out.data(), length, mode);
        EXPECT_EQ(out, untouched) << what;
    };

    CAesCipher keyed = Keyed(kKey128);
    keyed.SetIv(block.data());
    keyed.SetCounter(block.data());
    expectUntouched(keyed, nullptr, 32, AES_MODE_ECB, "null input");
    keyed.Decrypt(in.data(), nullptr, 32, AES_MODE_ECB); // null output: must not crash
    expectUntouched(keyed, in.data(), 0, AES_MODE_ECB, "length 0");
    expectUntouched(keyed, in.data(), 20, AES_MODE_CTR, "length 20");
    expectUntouched(keyed, in.data(), 32, 5, "mode 5");
    expectUntouched(keyed, in.data(), 32, -1, "mode -1");

    expectUntouched(CAesCipher(), in.data(), 32, AES_MODE_ECB, "never keyed");
    for (const int badLength : {0, 8, 15, 17, 31, 33, 64}) {
        CAesCipher aes;
        aes.SetKey(block.data(), badLength);
        expectUntouched(aes, in.data(), 32, AES_MODE_ECB, "bad key length");
    }
    CAesCipher nullKey;
    nullKey.SetKey(nullptr, 16);
    expectUntouched(nullKey, in.data(), 32, AES_MODE_ECB, "null key");

    CAesCipher noIv = Keyed(kKey128);
    noIv.SetCounter(block.data());
    for (const int mode : {AES_MODE_CBC, AES_MODE_CFB, AES_MODE_OFB}) {
        expectUntouched(noIv, in.data(), 32, mode, "mode needs an IV");
    }
    CAesCipher noCounter = Keyed(kKey128);
    noCounter.SetIv(block.data());
    expectUntouched(noCounter, in.data(), 32, AES_MODE_CTR, "mode needs a counter");
    noCounter.SetCounter(block.data());
    noCounter.SetCounter(nullptr);
    expectUntouched(noCounter, in.data(), 32, AES_MODE_CTR, "counter forgotten");
}

TEST(AesCipher, RekeyingReplacesTheWholeSchedule) {
    // A 128-bit key after a 256-bit one must not reuse the longer schedule's extra rounds.
    CAesCipher aes = Keyed("000102030405060708090a0b0c0d0e0f101112131415161718191a1b1c1d1e1f");
    const Bytes key = FromHex("000102030405060708090a0b0c0d0e0f");
    aes.SetKey(key.data(), 16);
    EXPECT_EQ(Encrypted(aes, FromHex("00112233445566778899aabbccddeeff")),
              FromHex("69c4e0d86a7b0430d8cdb78070b4c55a"));
}
