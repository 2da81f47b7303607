#pragma once

#include <cstddef>
#include <cstdint>

// Mode numbers of CAesCipher::Decrypt.
constexpr int AES_MODE_ECB = 0;
constexpr int AES_MODE_CBC = 1;
constexpr int AES_MODE_CFB = 2;
constexpr int AES_MODE_OFB = 3;
constexpr int AES_MODE_CTR = 4;

// AES block cipher (128-, 192- and 256-bit keys) with multi-block decryption in five modes;
// the host clients' stored values use CTR. State words hold block bytes big-endian.
class CAesCipher {
public:
    static constexpr std::size_t kBlockBytes = 16;

    CAesCipher() = default;

    // Ignored unless key is non-null and keyBytes is 16, 24 or 32.
    void SetKey(const unsigned char* key, int keyBytes);
    // Copies 16 bytes as the chaining value of CBC, CFB and OFB; null forgets it.
    void SetIv(const unsigned char* iv);
    // Copies 16 bytes as the initial counter block of CTR; null forgets it.
    void SetCounter(const unsigned char* counter);

    // One block of the forward or inverse cipher; in and out may be the same buffer. Without
    // a key the output is left untouched.
    void EncryptBlock(const unsigned char* in, unsigned char* out) const;
    void DecryptBlock(const unsigned char* in, unsigned char* out) const;

    // length / 16 blocks in the given mode. Does nothing on a null pointer, without a key, on a
    // length that is zero or not a whole number of blocks, on an unknown mode, or when the mode
    // needs an IV or counter that is not set. The stored IV and counter never change.
    void Decrypt(const unsigned char* in, unsigned char* out, std::size_t length, int mode) const;

private:
    static constexpr int kMaxScheduleWords = 60; // 4 × (14 rounds + 1)

    bool m_bKeyReady = false;
    std::uint32_t m_encSchedule[kMaxScheduleWords] = {};
    std::uint32_t m_decSchedule[kMaxScheduleWords] = {}; // equivalent inverse cipher order
    int m_nKeyBytes = 0;
    int m_nRounds = 0;
    bool m_bHasIv = false;
    unsigned char m_iv[kBlockBytes] = {};
    bool m_bHasCounter = false;
    unsigned char m_counter[kBlockBytes] = {};
};
