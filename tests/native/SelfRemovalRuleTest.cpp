#include "app/SelfRemovalRule.h"

#include <gtest/gtest.h>

namespace {

using Entries = std::vector<SelfRemovalRule::Entry>;
const std::wstring kWait = L"/C timeout /t 3 /nobreak & ";

Entries Tool() {
    return {{L"Kelvane.exe", false}, {L"OstrelFeedbackInformation.dll", false}};
}

Entries ToolAnd(const SelfRemovalRule::Entry& extra) {
    Entries entries = Tool();
    entries.push_back(extra);
    return entries;
}

} // namespace

TEST(SelfRemovalRule, TheFolderGoesOnlyWhenItHoldsNothingButTheTool) {
    struct Case {
        const char* name;
        std::wstring exe;
        Entries entries;
        bool bListed;
        std::wstring expected;
    };
    const std::wstring ownFiles = kWait + L"del /f /q \"D:\\Down loads\\Kelvane.exe\" "
                                          L"\"D:\\Down loads\\OstrelFeedbackInformation.dll\"";
    const std::wstring exeOnly = kWait + L"del /f /q \"D:\\Down loads\\Kelvane.exe\"";
    const Case cases[] = {
        {"a folder of its own, blank in its name", L"C:\\My Tools\\Kel vane\\Kelvane.exe", Tool(),
         true, kWait + L"rmdir /s /q \"C:\\My Tools\\Kel vane\""},
        {"the library already gone",
         L"C:\\T\\Kelvane.exe",
         {{L"Kelvane.exe", false}},
         true,
         kWait + L"rmdir /s /q \"C:\\T\""},
        {"names in another case",
         L"C:\\T\\Kelvane.exe",
         {{L"kelvane.EXE", false}, {L"ostrelfeedbackinformation.DLL", false}},
         true,
         kWait + L"rmdir /s /q \"C:\\T\""},
        {"a user's file beside it", L"D:\\Down loads\\Kelvane.exe",
         ToolAnd({L"report.docx", false}), true, ownFiles},
        {"a subfolder beside it", L"D:\\Down loads\\Kelvane.exe", ToolAnd({L"photos", true}), true,
         ownFiles},
        {"a hidden file beside it", L"D:\\Down loads\\Kelvane.exe",
         ToolAnd({L"desktop.ini", false}), true, ownFiles},
        {"a folder named like the library is not emptied",
         L"D:\\Down loads\\Kelvane.exe",
         {{L"Kelvane.exe", false}, {L"OstrelFeedbackInformation.dll", true}},
         true,
         exeOnly},
        {"a folder that cannot be listed", L"D:\\Down loads\\Kelvane.exe", {}, false, exeOnly},
        {"a drive root", L"E:\\Kelvane.exe", Tool(), true,
         kWait + L"del /f /q \"E:\\Kelvane.exe\" \"E:\\OstrelFeedbackInformation.dll\""},
        {"a share's root",
         L"\\\\nas\\tools\\Kelvane.exe",
         {{L"Kelvane.exe", false}},
         true,
         kWait + L"del /f /q \"\\\\nas\\tools\\Kelvane.exe\""},
        {"a percent sign the interpreter would expand", L"C:\\50%off\\Kelvane.exe", Tool(), true,
         L""},
        {"no folder at all", L"Kelvane.exe", Tool(), true, L""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SelfRemovalRule::Parameters(c.exe, c.entries, c.bListed), c.expected) << c.name;
    }
}

TEST(SelfRemovalRule, DriveRoots) {
    for (const wchar_t* root :
         {L"C:", L"z:", L"\\\\?\\C:", L"\\\\nas\\tools", L"\\\\?\\UNC\\nas\\tools"}) {
        EXPECT_TRUE(SelfRemovalRule::IsDriveRoot(root))
            << testing::PrintToString(std::wstring(root));
    }
    for (const wchar_t* folder :
         {L"C:\\T", L"\\\\?\\C:\\T", L"\\\\nas\\tools\\kelvane", L"CC", L""}) {
        EXPECT_FALSE(SelfRemovalRule::IsDriveRoot(folder))
            << testing::PrintToString(std::wstring(folder));
    }
}
