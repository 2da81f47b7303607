#pragma once

#include <string>
#include <string_view>

// How the "print" switch of the log configuration is read.
namespace LogConfigRule {

// The value without white space at either end.
std::wstring Trim(std::wstring_view value);

// True exactly when the value's leading decimal integer is 1 (blanks, a sign and trailing
// text allowed: " 1 ", "01", "+1", "1x" and "1.5" count; "-1", "0", "2", "yes" and "" do not).
bool IsPrintOn(std::wstring_view value);

} // namespace LogConfigRule
