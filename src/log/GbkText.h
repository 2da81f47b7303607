#pragma once

#include <string>
#include <string_view>

// Conversions between UTF-16 and GBK (code page 936). The code page is named on every call,
// so the result never depends on the system's ANSI code page or the process locale.
std::string ToGbk(std::wstring_view text);
std::wstring FromGbk(std::string_view bytes);
