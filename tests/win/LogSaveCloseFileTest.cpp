#include "log/LogSaveCloseFile.h"

#include "LogTestClock.h"
#include "WinTestSupport.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// "设置任务栏大小失败" and "日志.txt" in GBK.
const std::string kFailureGbk = "\xC9\xE8\xD6\xC3\xC8\xCE\xCE\xF1\xC0\xB8\xB4\xF3\xD0\xA1\xCA\xA7"
                                "\xB0\xDC";
const std::string kLogNameGbk = "\xC8\xD5\xD6\xBE.txt";

bool Exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

class LogSaveCloseFile : public testing::Test {
protected:
    std::wstring Dir() const { return m_folder.Path() + L"\\"; }
    std::wstring LogFile() const { return m_folder.File(L"Kelvane.txt"); }
    std::wstring Backup() const { return m_folder.File(L"Kelvane.txtbak"); }

    TempFolder m_folder;
};

TEST_F(LogSaveCloseFile, FirstRecordCreatesTheFileAndALaterRunAppends) {
    {
        CLogSaveCloseFile saver(Dir(), &FrozenClock);
        saver.WriteText(kFailureGbk, "Kelvane.txt");
    }
    EXPECT_EQ(ReadBytes(LogFile()), kFrozenHeader + kFailureGbk + "\r\n") << "no byte-order mark";

    CLogSaveCloseFile later(Dir(), &FrozenClock);
    later.WriteText("second", "Kelvane.txt");
    later.WriteText("", "Kelvane.txt");
    EXPECT_EQ(ReadBytes(LogFile()), kFrozenHeader + kFailureGbk + "\r\n" + kFrozenHeader +
                                        "second\r\n" + kFrozenHeader + "\r\n");
}

TEST_F(LogSaveCloseFile, FileNamesAreGbkAndEachRecordGoesToItsOwnFile) {
    CLogSaveCloseFile saver(Dir(), &FrozenClock);
    saver.WriteText("a", kLogNameGbk);
    saver.WriteText("b", "Dorrin.txt");
    EXPECT_EQ(ReadBytes(m_folder.File(L"日志.txt")), kFrozenHeader + "a\r\n");
    EXPECT_EQ(ReadBytes(m_folder.File(L"Dorrin.txt")), kFrozenHeader + "b\r\n");
}

TEST_F(LogSaveCloseFile, HexRecordAndPacketRecord) {
    CLogSaveCloseFile saver(Dir(), &FrozenClock);
    const unsigned char bytes[] = {0x0A, 0xFF};
    saver.WriteHex(bytes, 2, "Kelvane.txt");
    saver.WriteHex(bytes, 0, "Kelvane.txt");
    CPacketLog packet;
    packet.SetFileName("Kelvane.txt");
    packet.SetContent(kFailureGbk);
    saver.WritePacket(&packet);
    saver.WritePacket(nullptr);
    EXPECT_EQ(ReadBytes(LogFile()), kFrozenHeader + "0A FF \r\n" + kFrozenHeader + "\r\n" +
                                        kFrozenHeader + kFailureGbk + "\r\n");
}

TEST_F(LogSaveCloseFile, RotatesOnlyPastTheLimitReplacingTheBackup) {
    const std::string record = kFrozenHeader + kFailureGbk + "\r\n";
    const std::string filler(LOG_FILE_MAX_SIZE - record.size(), 'x');
    WriteBytes(LogFile(), filler);
    WriteBytes(Backup(), "an earlier backup");
    CLogSaveCloseFile saver(Dir(), &FrozenClock);

    saver.WriteText(kFailureGbk, "Kelvane.txt");
    EXPECT_EQ(ReadBytes(LogFile()).size(), LOG_FILE_MAX_SIZE) << "exactly at the limit stays";
    EXPECT_EQ(ReadBytes(Backup()), "an earlier backup");

    saver.WriteText(kFailureGbk, "Kelvane.txt");
    EXPECT_FALSE(Exists(LogFile()));
    const std::string backup = ReadBytes(Backup());
    EXPECT_EQ(backup, filler + record + record) << "the record that crossed the limit is kept";

    saver.WriteText("next", "Kelvane.txt");
    EXPECT_EQ(ReadBytes(LogFile()), kFrozenHeader + "next\r\n");
    EXPECT_EQ(ReadBytes(Backup()).size(), backup.size());
}

TEST_F(LogSaveCloseFile, FailedRotationKeepsTheFileAndIsRetriedByTheNextRecord) {
    WriteBytes(LogFile(), std::string(LOG_FILE_MAX_SIZE, 'x'));
    CLogSaveCloseFile saver(Dir(), &FrozenClock);
    {
        // A reader that does not allow deletion blocks the move, not the record.
        HANDLE hReader =
            CreateFileW(LogFile().c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(hReader, INVALID_HANDLE_VALUE);
        saver.WriteText("held", "Kelvane.txt");
        CloseHandle(hReader);
    }
    EXPECT_FALSE(Exists(Backup()));
    EXPECT_EQ(ReadBytes(LogFile()).size(), LOG_FILE_MAX_SIZE + kFrozenHeader.size() + 6);

    saver.WriteText("free", "Kelvane.txt");
    EXPECT_FALSE(Exists(LogFile()));
    const std::string backup = ReadBytes(Backup());
    EXPECT_EQ(backup.substr(LOG_FILE_MAX_SIZE),
              kFrozenHeader + "held\r\n" + kFrozenHeader + "free\r\n");
}

TEST_F(LogSaveCloseFile, UnopenableFileDropsTheRecordSilently) {
    CLogSaveCloseFile missing(m_folder.File(L"absent") + L"\\", &FrozenClock);
    missing.WriteText(kFailureGbk, "Kelvane.txt");
    EXPECT_FALSE(Exists(m_folder.File(L"absent")));

    CLogSaveCloseFile saver(Dir(), &FrozenClock);
    ASSERT_TRUE(CreateDirectoryW(LogFile().c_str(), nullptr));
    saver.WriteText(kFailureGbk, "Kelvane.txt");
    saver.WriteText("later", "Dorrin.txt");
    RemoveDirectoryW(LogFile().c_str());
    EXPECT_EQ(ReadBytes(m_folder.File(L"Dorrin.txt")), kFrozenHeader + "later\r\n")
        << "a dropped record leaves the saver working";
}

} // namespace
