#include "log/LogTargetRule.h"

#include <gtest/gtest.h>

namespace {

constexpr wchar_t kLog[] = L"C:\\ProgramData\\ToolLog\\Kelvane.txt";

} // namespace

TEST(LogTargetRule, WritesOnlyIntoTheFileItAskedFor) {
    struct Case {
        const char* name;
        LogTargetRule::OpenedFile file;
        bool bMay;
    };
    const Case cases[] = {
        {"a plain file",
         {false, false, 1, kLog, L"\\\\?\\C:\\ProgramData\\ToolLog\\Kelvane.txt"},
         true},
        {"another case and separators",
         {false, false, 1, kLog, L"c:/programdata/toollog/KELVANE.TXT"},
         true},
        {"the folder is a link", {true, false, 1, kLog, kLog}, false},
        {"the file is a link", {false, true, 1, kLog, kLog}, false},
        {"the file has a second name", {false, false, 2, kLog, kLog}, false},
        {"its links are unknown", {false, false, 0xFFFFFFFF, kLog, kLog}, false},
        // What a junction swapped in for the folder between the check and the open leaves.
        {"the file lies elsewhere",
         {false, false, 1, kLog, L"\\\\?\\C:\\Windows\\Kelvane.txt"},
         false},
        {"its place is unknown", {false, false, 1, kLog, L""}, false},
        {"a share's path is no match for a drive's",
         {false, false, 1, kLog, L"\\\\?\\UNC\\server\\ProgramData\\ToolLog\\Kelvane.txt"},
         false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LogTargetRule::MayAppend(c.file), c.bMay) << c.name;
    }
    EXPECT_TRUE(LogTargetRule::MayRotate(false, false));
    EXPECT_FALSE(LogTargetRule::MayRotate(true, false));
    EXPECT_FALSE(LogTargetRule::MayRotate(false, true));
}
