#include "log/LogConfigRule.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(LogConfigRule, LeadingIntegerOneSwitchesPrintingOn) {
    for (const wchar_t* value : {L"1", L" 1 ", L"01", L"0001", L"+1", L"1x", L"1.5", L"\t1"}) {
        EXPECT_TRUE(LogConfigRule::IsPrintOn(value)) << value;
    }
}

TEST(LogConfigRule, EverythingElseLeavesItOff) {
    for (const wchar_t* value : {L"-1", L"0", L"2", L"10", L"11", L"yes", L"", L" ", L"x1", L"- 1",
                                 L"+-1", L"4294967297", L"18446744073709551617"}) {
        EXPECT_FALSE(LogConfigRule::IsPrintOn(value)) << value;
    }
}

TEST(LogConfigRule, TrimRemovesWhiteSpaceAtBothEndsOnly) {
    EXPECT_EQ(LogConfigRule::Trim(L" \t 1 x \r\n"), L"1 x");
    EXPECT_EQ(LogConfigRule::Trim(L"   "), L"");
    EXPECT_EQ(LogConfigRule::Trim(L""), L"");
    EXPECT_EQ(LogConfigRule::Trim(L"-1"), L"-1");
}

} // namespace
