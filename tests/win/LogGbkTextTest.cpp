#include "log/GbkText.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

// "设置任务栏大小失败" in GBK.
const std::string kFailureGbk = "\xC9\xE8\xD6\xC3\xC8\xCE\xCE\xF1\xC0\xB8\xB4\xF3\xD0\xA1\xCA\xA7"
                                "\xB0\xDC";

bool IsEnglishSystemRun() {
    const char* pszLocale = std::getenv("KELVANE_LOCALE");
    return pszLocale != nullptr && std::string(pszLocale) == "en";
}

TEST(LogGbkText, ConvertsWithCodePage936WhateverTheSystemCodePage) {
    if (IsEnglishSystemRun()) {
        // Otherwise this run would prove nothing about independence from the system.
        EXPECT_NE(GetACP(), 936u);
    }
    EXPECT_EQ(ToGbk(L"设置任务栏大小失败"), kFailureGbk);
    EXPECT_EQ(ToGbk(L"Kelvane.txt"), "Kelvane.txt");
    // 乗 and 亅 have trail bytes that are '\' and '|' in ASCII.
    EXPECT_EQ(ToGbk(L"乗亅"), "\x81\x5C\x81\x7C");
    EXPECT_EQ(FromGbk(kFailureGbk), L"设置任务栏大小失败");
    EXPECT_EQ(FromGbk("\x81\x5C\x81\x7C"), L"乗亅");
}

TEST(LogGbkText, EmptyAndRoundTrip) {
    EXPECT_EQ(ToGbk(L""), "");
    EXPECT_EQ(FromGbk(""), L"");
    const std::wstring text = L"初始化反馈DLL失败 创建设置Win11任务栏大小线程失败";
    EXPECT_EQ(FromGbk(ToGbk(text)), text);
    // Views that are not terminated are converted to their length only.
    EXPECT_EQ(ToGbk(std::wstring_view(L"设置任务", 2)), "\xC9\xE8\xD6\xC3");
    EXPECT_EQ(FromGbk(std::string_view(kFailureGbk.data(), 4)), L"设置");
}

} // namespace
