#include "log/LogSaveOpenFile.h"

#include "WinTestSupport.h"

#include <gtest/gtest.h>

#include <string>

namespace {

LogStamp FrozenClock() {
    return LogStamp{2024, 3, 5, 8, 7, 6, 9};
}

const std::string kHeader = "[2024-03-05 08:07:06 009ms]   ";
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
        EXPECT_EQ(ReadBytes(path), kHeader + kLoadFailedGbk + "\r\n" + kHeader + "\r\n");
        EXPECT_FALSE(DeleteFileW(path.c_str())) << "held open between records";
    }
    EXPECT_TRUE(DeleteFileW(path.c_str())) << "closed with its object";
}

TEST(LogSaveOpenFile, RotationClosesAndTheNextRecordRecreates) {
    TempFolder folder;
    const std::wstring path = folder.File(L"Kelvane.txt");
    const std::uint32_t nRecord = static_cast<std::uint32_t>(kHeader.size() + 5); // "one" and CR LF
    CLogSaveOpenFile::CLogFile file(path, nRecord, &FrozenClock);

    EXPECT_EQ(file.Write(Packet("one")), 1);
    EXPECT_TRUE(file.IsOpen()) << "exactly at the limit stays";
    EXPECT_EQ(file.Write(Packet("two")), 1);
    EXPECT_FALSE(file.IsOpen());
    EXPECT_FALSE(Exists(path));
    EXPECT_EQ(ReadBytes(path + L"bak"), kHeader + "one\r\n" + kHeader + "two\r\n");

    EXPECT_EQ(file.Write(Packet("3")), 1);
    EXPECT_EQ(ReadBytes(path), kHeader + "3\r\n");
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
    const std::string record = kHeader + kLoadFailedGbk + "\r\n";
    const std::string filler(LOG_FILE_MAX_SIZE - record.size() - (kHeader.size() + 8), 'x');
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
              filler + kHeader + "0A FF \r\n" + record + kHeader + "\xC8\xD5\r\n");
    EXPECT_FALSE(Exists(path));
    EXPECT_EQ(ReadBytes(folder.File(L"日志.txt")), kHeader + "next\r\n");
}

} // namespace
