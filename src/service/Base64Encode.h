#pragma once

#include <cstddef>
#include <string>

// Standard Base64 with "=" padding and no line breaks; the inverse of Base64Decode. Kelvane
// only reads stored values; this writes them for the enciphering tool and the tests.
std::string Base64Encode(const unsigned char* data, std::size_t size);
