#include "log/LogSaveOpenFile.h"

#include "LogTestClock.h"
#include "WinTestSupport.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// "加载反馈DLL失败" in GBK.
const std::string kLoadFailedGbk = "\xBC\xD3\xD4\xD8\xB7\xB4\xC0\xA1"
                                   "DLL\xCA\xA7\xB0\xDC";

bool Exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

CPacketLog Packet(const std::string& strText) {
    CPacketLog packet;
    packet.SetFileName("Kelvane.txt");
    packet.SetContent(strText);
    return packet;
}

TEST(LogSaveOpenFile, FileStaysOpenAcrossRecords) {
    TempFolder folder;
    const std::wstring path = folder.File(L"Kelvane.txt");
    {
        CLogSaveOpenFile::CLogFile file(path, LOG_FILE_MAX_SIZE, &FrozenClock);
        EXPECT_FALSE(file.IsOpen());
        EXPECT_EQ(file.Write(Packet(kLoadFailedGbk)), 1);
        EXPECT_TRUE(file.IsOpen());
        EXPECT_EQ(file.Write(Packet("")), 1);
        // Others may read along while it is open.
        EXPECT_EQ(ReadBytes(path),
                  kFrozenHeader + kLoadFailedGbk + "\r\n" + kFrozenHeader + "\r\n");
        EXPECT_FALSE(DeleteFileW(path.c_str())) << "held open between records";
    }
    EXPECT_TRUE(DeleteFileW(path.c_str())) << "closed with its object";
}

TEST(LogSaveOpenFile, RotationClosesAndTheNextRecordRecreates) {
    TempFolder folder;
    const std::wstring path = folder.File(L"Kelvane.txt");
    const std::uint32_t nRecord =
        static_cast<std::uint32_t>(kFrozenHeader.size() + 5); // "one" and CR LF
    CLogSaveOpenFile::CLogFile file(path, nRecord, &FrozenClock);

    EXPECT_EQ(file.Write(Packet("one")), 1);
    EXPECT_TRUE(file.IsOpen()) << "exactly at the limit stays";
    EXPECT_EQ(file.Write(Packet("two")), 1);
    EXPECT_FALSE(file.IsOpen());
    EXPECT_FALSE(Exists(path));
    EXPECT_EQ(ReadBytes(path + L"bak"), kFrozenHeader + "one\r\n" + kFrozenHeader + "two\r\n");

    EXPECT_EQ(file.Write(Packet("3")), 1);
    EXPECT_EQ(ReadBytes(path), kFrozenHeader + "3\r\n");
}

TEST(LogSaveOpenFile, UnopenableFileReportsZero) {
    TempFolder folder;
    CLogSaveOpenFile::CLogFile file(folder.File(L"absent\\Kelvane.txt"), LOG_FILE_MAX_SIZE,
                                    &FrozenClock);
    EXPECT_EQ(file.Write(Packet("lost")), 0);
    EXPECT_FALSE(file.IsOpen());
    EXPECT_FALSE(Exists(folder.File(L"absent")));
}

TEST(LogSaveOpenFile, OneFileObjectPerExactPath) {
    TempFolder folder;
    CLogSaveOpenFile saver(folder.Path() + L"\\", &FrozenClock);
    CLogSaveOpenFile::CLogFile* pFile = saver.GetLogFile(L"Kelvane.txt");
    ASSERT_NE(pFile, nullptr);
    EXPECT_EQ(pFile->GetFilePath(), folder.File(L"Kelvane.txt"));
    EXPECT_EQ(saver.GetLogFile(L"Kelvane.txt"), pFile);
    EXPECT_NE(saver.GetLogFile(L"kelvane.txt"), pFile) << "compared case-sensitively";
    EXPECT_NE(saver.GetLogFile(L"Dorrin.txt"), pFile);
}

TEST(LogSaveOpenFile, SaverWritesTextHexAndPacketsAndRotatesAtTheRealLimit) {
    TempFolder folder;
    const std::wstring path = folder.File(L"Kelvane.txt");
    const std::string record = kFrozenHeader + kLoadFailedGbk + "\r\n";
    const std::string filler(LOG_FILE_MAX_SIZE - record.size() - (kFrozenHeader.size() + 8), 'x');
    WriteBytes(path, filler);
    {
        CLogSaveOpenFile saver(folder.Path() + L"\\", &FrozenClock);
        const unsigned char bytes[] = {0x0A, 0xFF};
        saver.WriteHex(bytes, 2, "Kelvane.txt");
        const CPacketLog packet = Packet(kLoadFailedGbk);
        saver.WritePacket(&packet);
        EXPECT_EQ(ReadBytes(path).size(), LOG_FILE_MAX_SIZE);
        saver.WriteText("\xC8\xD5", "Kelvane.txt");
        saver.WriteText("next", "\xC8\xD5\xD6\xBE.txt");
    }
    EXPECT_EQ(ReadBytes(path + L"bak"),
              filler + kFrozenHeader + "0A FF \r\n" + record + kFrozenHeader + "\xC8\xD5\r\n");
    EXPECT_FALSE(Exists(path));
    EXPECT_EQ(ReadBytes(folder.File(L"日志.txt")), kFrozenHeader + "next\r\n");
}

} // namespace
