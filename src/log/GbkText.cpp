#include "log/GbkText.h"

#include <windows.h>

#include <climits>

namespace {

constexpr UINT kGbkCodePage = 936;

} // namespace

std::string ToGbk(std::wstring_view text) {
    if (text.empty() || text.size() > static_cast<std::size_t>(INT_MAX)) {
        return {};
    }
    const int nChars = static_cast<int>(text.size());
    const int nBytes =
        WideCharToMultiByte(kGbkCodePage, 0, text.data(), nChars, nullptr, 0, nullptr, nullptr);
    if (nBytes <= 0) {
        return {};
    }
    std::string result(static_cast<std::size_t>(nBytes), '\0');
    const int nWritten = WideCharToMultiByte(kGbkCodePage, 0, text.data(), nChars, result.data(),
                                             nBytes, nullptr, nullptr);
    result.resize(nWritten > 0 ? static_cast<std::size_t>(nWritten) : 0);
    return result;
}

std::wstring FromGbk(std::string_view bytes) {
    if (bytes.empty() || bytes.size() > static_cast<std::size_t>(INT_MAX)) {
        return {};
    }
    const int nBytes = static_cast<int>(bytes.size());
    const int nChars = MultiByteToWideChar(kGbkCodePage, 0, bytes.data(), nBytes, nullptr, 0);
    if (nChars <= 0) {
        return {};
    }
    std::wstring result(static_cast<std::size_t>(nChars), L'\0');
    const int nWritten =
        MultiByteToWideChar(kGbkCodePage, 0, bytes.data(), nBytes, result.data(), nChars);
    result.resize(nWritten > 0 ? static_cast<std::size_t>(nWritten) : 0);
    return result;
}
