#pragma once

#include <cstddef>

// Decodes standard Base64 (A-Z a-z 0-9 + /, padded with =) from a zero-terminated text.
// A leading "+ " is skipped; decoding stops at NUL, at CR, or after a group that ends in "=".
// maxBytes limits the output (0: no limit). Returns the number of bytes written, or -1 when a
// group is malformed or the output would pass maxBytes; bytes written before that stay.
int Base64Decode(const char* text, unsigned char* out, std::size_t maxBytes);
