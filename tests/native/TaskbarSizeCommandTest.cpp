#include "taskbar/TaskbarSizeCommand.h"

#include <gtest/gtest.h>

TEST(TaskbarSizeCommand, EachSizeWritesItsValueWithTheExactCommand) {
    const std::wstring prefix = L"reg add \"HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\"
                                L"CurrentVersion\\Explorer\\Advanced\" /v \"TaskbarSi\" /d ";
    EXPECT_EQ(TaskbarSizeCommand::ForSizeType(TASKBAR_SIZE_LARGE), prefix + L"2 /t REG_DWORD /F");
    EXPECT_EQ(TaskbarSizeCommand::ForSizeType(TASKBAR_SIZE_MEDIUM), prefix + L"1 /t REG_DWORD /F");
    EXPECT_EQ(TaskbarSizeCommand::ForSizeType(TASKBAR_SIZE_SMALL), prefix + L"0 /t REG_DWORD /F");
}

TEST(TaskbarSizeCommand, OtherCodesRunNothing) {
    for (int code : {0, 4, -1, 1000}) {
        EXPECT_TRUE(TaskbarSizeCommand::ForSizeType(code).empty()) << code;
    }
}

TEST(TaskbarSizeCommand, SuccessIsTheSystemTextAnywhereInTheOutput) {
    EXPECT_TRUE(TaskbarSizeCommand::ReportsSuccess(L"操作成功完成。\r\n"));
    EXPECT_TRUE(TaskbarSizeCommand::ReportsSuccess(L"reg: 操作成功完成\r\n"));
    EXPECT_TRUE(TaskbarSizeCommand::ReportsSuccess(L"第一行\r\n\r\n!!操作成功完成!!\r\n末行"));
    EXPECT_FALSE(TaskbarSizeCommand::ReportsSuccess(L"The operation completed successfully.\r\n"));
    EXPECT_FALSE(TaskbarSizeCommand::ReportsSuccess(L"操作成功"));
    EXPECT_FALSE(TaskbarSizeCommand::ReportsSuccess(L"操作 成功完成"));
    EXPECT_FALSE(TaskbarSizeCommand::ReportsSuccess(L""));
}
