#include "log/LogRecordFormat.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const LogStamp kStamp{2024, 3, 5, 8, 7, 6, 9};

TEST(LogRecordFormat, HeaderPadsEveryFieldAndEndsInThreeBlanks) {
    EXPECT_EQ(FormatLogHeader(kStamp), "[2024-03-05 08:07:06 009ms]   ");
    EXPECT_EQ(FormatLogHeader({1999, 12, 31, 23, 59, 58, 999}), "[1999-12-31 23:59:58 999ms]   ");
    EXPECT_EQ(FormatLogHeader({987, 1, 1, 0, 0, 0, 0}), "[0987-01-01 00:00:00 000ms]   ");
    // Values wider than their field are written in full, not cut.
    EXPECT_EQ(FormatLogHeader({12345, 1, 1, 0, 0, 0, 1000}), "[12345-01-01 00:00:00 1000ms]   ");
}

TEST(LogRecordFormat, RecordKeepsTextBytesAndEndsInCrLf) {
    // GBK "设置任务栏大小失败", and trail bytes that are ASCII '\' and '|' elsewhere.
    const std::string gbk = "\xC9\xE8\xD6\xC3\xC8\xCE\xCE\xF1\xC0\xB8\xB4\xF3\xD0\xA1\xCA\xA7"
                            "\xB0\xDC\x81\x5C\x81\x7C";
    EXPECT_EQ(ComposeLogRecord(kStamp, gbk), "[2024-03-05 08:07:06 009ms]   " + gbk + "\r\n");
    EXPECT_EQ(ComposeLogRecord(kStamp, ""), "[2024-03-05 08:07:06 009ms]   \r\n");
    // Line ends inside the text are the caller's; nothing is translated.
    EXPECT_EQ(ComposeLogRecord(kStamp, "a\nb\r\n"), "[2024-03-05 08:07:06 009ms]   a\nb\r\n\r\n");
}

TEST(LogRecordFormat, RecordTextEndsAtItsFirstZeroByte) {
    const std::string text("ab\0cd", 5);
    EXPECT_EQ(ComposeLogRecord(kStamp, text), "[2024-03-05 08:07:06 009ms]   ab\r\n");
}

TEST(LogRecordFormat, HexBytesAreUpperCasePairsEachFollowedByABlank) {
    const unsigned char bytes[] = {0x0A, 0xFF, 0x00, 0x5C, 0xA0};
    EXPECT_EQ(FormatHexBytes(bytes, 2), "0A FF ");
    EXPECT_EQ(FormatHexBytes(bytes, 5), "0A FF 00 5C A0 ");
    EXPECT_EQ(FormatHexBytes(bytes, 0), "");
    EXPECT_EQ(FormatHexBytes(bytes, -3), "");
    EXPECT_EQ(FormatHexBytes(nullptr, 4), "");
}

TEST(LogRecordFormat, RotationOnlyPastTheLimit) {
    EXPECT_EQ(LOG_FILE_MAX_SIZE, 6020000u);
    EXPECT_FALSE(IsPastLogLimit(0, LOG_FILE_MAX_SIZE));
    EXPECT_FALSE(IsPastLogLimit(6020000, LOG_FILE_MAX_SIZE));
    EXPECT_TRUE(IsPastLogLimit(6020001, LOG_FILE_MAX_SIZE));
    // A file that somehow outgrew 4 GiB is still past the limit, whatever its low 32 bits.
    EXPECT_TRUE(IsPastLogLimit(0x100000000ull + 5, LOG_FILE_MAX_SIZE));
}

TEST(LogRecordFormat, BackupNameAppendsBakAfterTheExtension) {
    EXPECT_EQ(LogBackupPath(L"C:\\ProgramData\\ToolLog\\Kelvane.txt"),
              L"C:\\ProgramData\\ToolLog\\Kelvane.txtbak");
}

} // namespace
