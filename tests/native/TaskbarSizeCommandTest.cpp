#include "taskbar/TaskbarSizeCommand.h"

#include <gtest/gtest.h>

using enum TaskbarSetting;

TEST(TaskbarSizeCommand, EachSizeWritesItsValueWithTheExactCommand) {
    const std::wstring prefix = L"reg add \"HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\"
                                L"CurrentVersion\\Explorer\\Advanced\" /v \"TaskbarSi\" /d ";
    EXPECT_EQ(TaskbarSizeCommand::ForSizeType(TASKBAR_SIZE_LARGE), prefix + L"2 /t REG_DWORD /F");
    EXPECT_EQ(TaskbarSizeCommand::ForSizeType(TASKBAR_SIZE_MEDIUM), prefix + L"1 /t REG_DWORD /F");
    EXPECT_EQ(TaskbarSizeCommand::ForSizeType(TASKBAR_SIZE_SMALL), prefix + L"0 /t REG_DWORD /F");
    // From 24H2: large never smaller, medium Windows' default, small always smaller.
    const std::wstring icon = L"reg add \"HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\"
                              L"CurrentVersion\\Explorer\\Advanced\" /v \"IconSizePreference\" /d ";
    EXPECT_EQ(TaskbarSizeCommand::ForSizeType(1, IconSizePreference), icon + L"1 /t REG_DWORD /F");
    EXPECT_EQ(TaskbarSizeCommand::ForSizeType(2, IconSizePreference), icon + L"2 /t REG_DWORD /F");
    EXPECT_EQ(TaskbarSizeCommand::ForSizeType(3, IconSizePreference), icon + L"0 /t REG_DWORD /F");
}

TEST(TaskbarSizeCommand, OtherCodesRunNothing) {
    for (int code : {0, 4, -1, 1000}) {
        EXPECT_TRUE(TaskbarSizeCommand::ForSizeType(code).empty()) << code;
    }
    EXPECT_TRUE(TaskbarSizeCommand::ForSizeType(TASKBAR_SIZE_MEDIUM, None).empty());
}

TEST(TaskbarSizeCommand, SuccessIsTheSystemTextAnywhereInTheOutputOrExitCodeZero) {
    EXPECT_TRUE(TaskbarSizeCommand::ReportsSuccess(L"操作成功完成。\r\n"));
    EXPECT_TRUE(TaskbarSizeCommand::ReportsSuccess(L"reg: 操作成功完成\r\n"));
    EXPECT_TRUE(TaskbarSizeCommand::ReportsSuccess(L"第一行\r\n\r\n!!操作成功完成!!\r\n末行"));
    EXPECT_FALSE(TaskbarSizeCommand::ReportsSuccess(L"The operation completed successfully.\r\n"));
    EXPECT_FALSE(TaskbarSizeCommand::ReportsSuccess(L"操作成功"));
    EXPECT_FALSE(TaskbarSizeCommand::ReportsSuccess(L"操作 成功完成"));
    EXPECT_FALSE(TaskbarSizeCommand::ReportsSuccess(L""));
    // Exit code 0 in any display language, or the text; never from a command that did not start.
    EXPECT_TRUE(TaskbarSizeCommand::Succeeded(true, 0, L"The operation completed successfully."));
    EXPECT_TRUE(TaskbarSizeCommand::Succeeded(true, 1, L"reg: 操作成功完成"));
    EXPECT_FALSE(TaskbarSizeCommand::Succeeded(true, 1, L"ERROR: Access is denied."));
    EXPECT_FALSE(TaskbarSizeCommand::Succeeded(false, 0, L"操作成功完成"));
}

TEST(TaskbarSizeCommand, FailureReportTellsHowTheCommandEnded) {
    const struct {
        bool bStarted;
        unsigned long nExitCode, nError;
        std::wstring output, expected;
    } cases[] = {
        {false, 0, 2, L"", L"reg x | not started, system error 2"},
        {true, 1, 0, L"ERROR: Access is denied.\r\n\x1b",
         L"reg x | exit code 1 | output: ERROR: Access is denied.\\r\\n\\x1B"},
        {true, 259, 0, std::wstring(1001, L'失'),
         L"reg x | exit code 259 | output: " + std::wstring(1000, L'失') + L"..."},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TaskbarSizeCommand::FailureReport(L"reg x", c.bStarted, c.nExitCode, c.nError,
                                                    c.output),
                  L"Kelvane: size change failed: cmd /C " + c.expected);
    }
}

TEST(TaskbarSettingRule, TaskbarSiUntil24H2ThenIconSizePreferenceOnceItShipped) {
    EXPECT_EQ(TaskbarSettingRule::ForRelease({6, 1, 7601}), TaskbarSi);
    EXPECT_EQ(TaskbarSettingRule::ForRelease({10, 0, 26099, 9999}), TaskbarSi);
    EXPECT_EQ(TaskbarSettingRule::ForRelease({10, 0, 26100, 4483}), None);
    EXPECT_EQ(TaskbarSettingRule::ForRelease({10, 0, 26100, 4484}), IconSizePreference);
    EXPECT_EQ(TaskbarSettingRule::ForRelease({10, 0, 26200}), IconSizePreference);
    EXPECT_EQ(TaskbarSettingRule::ForRelease({10, 0, 28000}), IconSizePreference);
}
