#include "log/LogConfigRule.h"

namespace {

bool IsWhiteSpace(wchar_t ch) {
    return ch == L' ' || ch == L'\t' || ch == L'\n' || ch == L'\v' || ch == L'\f' || ch == L'\r';
}

bool IsDigit(wchar_t ch) {
    return ch >= L'0' && ch <= L'9';
}

} // namespace

namespace LogConfigRule {

std::wstring Trim(std::wstring_view value) {
    std::size_t nBegin = 0;
    std::size_t nEnd = value.size();
    while (nBegin < nEnd && IsWhiteSpace(value[nBegin])) {
        ++nBegin;
    }
    while (nEnd > nBegin && IsWhiteSpace(value[nEnd - 1])) {
        --nEnd;
    }
    return std::wstring(value.substr(nBegin, nEnd - nBegin));
}

bool IsPrintOn(std::wstring_view value) {
    std::size_t i = 0;
    while (i < value.size() && IsWhiteSpace(value[i])) {
        ++i;
    }
    bool bNegative = false;
    if (i < value.size() && (value[i] == L'+' || value[i] == L'-')) {
        bNegative = value[i] == L'-';
        ++i;
    }
    // Only whether the number is exactly 1 matters, so stop counting once it is past that:
    // a long run of digits must not wrap round to 1.
    unsigned int nNumber = 0;
    for (; i < value.size() && IsDigit(value[i]); ++i) {
        if (nNumber <= 1) {
            nNumber = nNumber * 10 + static_cast<unsigned int>(value[i] - L'0');
        }
    }
    return !bNegative && nNumber == 1;
}

} // namespace LogConfigRule
