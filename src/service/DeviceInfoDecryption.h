#pragma once

#include "service/AesCipher.h"

#include <cstddef>

// The host clients' key: AES-128 over its first 16 bytes; the last two characters are unused.
inline constexpr char DEVICE_INFO_KEY[] = "tarnbell2017osprey";

// Initial counter block of the stored device type (little-endian counter, byte 0 first). The
// host clients encipher with this same block.
inline constexpr unsigned char DEVICE_INFO_COUNTER[CAesCipher::kBlockBytes] = {
    0xF0, 0xE1, 0xD2, 0xC3, 0xB4, 0xA5, 0x96, 0x87, 0x78, 0x69, 0x5A, 0x4B, 0x3C, 0x2D, 0x1E, 0x0F};

// Deciphers a host client's stored device type: Base64, then AES-128 in counter mode with
// DEVICE_INFO_COUNTER under the first 16 bytes of key, rekeying aes. Whole blocks are
// deciphered, so out holds the plain text up to its first zero byte. Returns that text's
// length, or 0 without touching out when a pointer is null or out cannot hold the stored text
// or every deciphered byte plus a terminating zero.
int DecryptDeviceInfo(CAesCipher& aes, const char* storedText, char* out, std::size_t outSize,
                      const char* key);
