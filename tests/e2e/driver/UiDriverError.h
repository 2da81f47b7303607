#pragma once

#include <windows.h>

#include <stdexcept>
#include <string>

// What the UI driver throws when it cannot do what a test asked (no such control, a window that
// does not answer in time, input the system refused). GoogleTest reports an exception escaping a
// test body as that test's failure, so a broken or hung target fails the test without hanging it.
// The text is UTF-8, as GoogleTest prints it.
class UiDriverError : public std::runtime_error {
public:
    explicit UiDriverError(const std::wstring& message) : std::runtime_error(Utf8(message)) {}

    static std::string Utf8(const std::wstring& text) {
        const int n = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()),
                                          nullptr, 0, nullptr, nullptr);
        std::string out(static_cast<std::size_t>(n > 0 ? n : 0), '\0');
        if (n > 0) {
            WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), out.data(),
                                n, nullptr, nullptr);
        }
        return out;
    }
};
