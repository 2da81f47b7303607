// Links planted in the log folder: nothing is written or renamed through them. The cases Wine
// cannot make are covered by the rule's own tests (tests/native/LogTargetRuleTest.cpp).
#include "log/LogSaveCloseFile.h"
#include "log/LogSaveOpenFile.h"

#include "LogTestClock.h"
#include "WinTestSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

namespace {

const std::string kVictim = "not the tool's\r\n";

// Both writers, each writing one record into Kelvane.txt of folder.
using Writer = std::function<void(const std::wstring& folder)>;

CPacketLog Record() {
    CPacketLog packet;
    packet.SetFileName("Kelvane.txt");
    packet.SetContent("x");
    return packet;
}

const std::pair<const char*, Writer> kWriters[] = {
    {"closing",
     [](const std::wstring& folder) {
         const CPacketLog record = Record();
         CLogSaveCloseFile(folder + L"\\", &FrozenClock).WritePacket(&record);
     }},
    {"keeping open",
     [](const std::wstring& folder) {
         const CPacketLog record = Record();
         CLogSaveOpenFile(folder + L"\\", &FrozenClock).WritePacket(&record);
     }},
};

bool MakeLink(const std::wstring& link, const std::wstring& target, bool bFolder) {
    CreateSymbolicLinkW(link.c_str(), target.c_str(), bFolder ? SYMBOLIC_LINK_FLAG_DIRECTORY : 0);
    const DWORD attributes = GetFileAttributesW(link.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

} // namespace

TEST(LogLinks, NothingIsWrittenIntoAFileThatHasASecondName) {
    for (const auto& [name, write] : kWriters) {
        SCOPED_TRACE(name);
        TempFolder root, elsewhere;
        WriteBytes(elsewhere.File(L"victim.txt"), kVictim);
        ASSERT_TRUE(CreateHardLinkW(root.File(L"Kelvane.txt").c_str(),
                                    elsewhere.File(L"victim.txt").c_str(), nullptr));
        write(root.Path());
        EXPECT_EQ(ReadBytes(elsewhere.File(L"victim.txt")), kVictim);
        DeleteFileW(root.File(L"Kelvane.txt").c_str());
        // Without the second name the tool logs again.
        write(root.Path());
        EXPECT_EQ(ReadBytes(root.File(L"Kelvane.txt")), kFrozenHeader + "x\r\n");
    }
}

TEST(LogLinks, NothingIsWrittenOrRotatedThroughASymbolicLink) {
    TempFolder root, elsewhere;
    WriteBytes(elsewhere.File(L"victim.txt"), kVictim);
    const std::wstring folderLink = root.File(L"ToolLog");
    if (!MakeLink(folderLink, elsewhere.Path(), true)) {
        GTEST_SKIP() << "Wine 8 makes no symbolic links (CreateSymbolicLinkW succeeds and creates "
                        "nothing); the rule's own tests cover these cases";
    }
    for (const auto& [name, write] : kWriters) {
        SCOPED_TRACE(name);
        write(folderLink);
        EXPECT_FALSE(GetFileAttributesW(elsewhere.File(L"Kelvane.txt").c_str()) !=
                     INVALID_FILE_ATTRIBUTES)
            << "nothing in the linked folder";
        ASSERT_TRUE(MakeLink(root.File(L"Kelvane.txt"), elsewhere.File(L"victim.txt"), false));
        write(root.Path());
        EXPECT_EQ(ReadBytes(elsewhere.File(L"victim.txt")), kVictim);
        DeleteFileW(root.File(L"Kelvane.txt").c_str());
    }
    // A link in place of the backup: the full log stays where it is.
    ASSERT_TRUE(MakeLink(root.File(L"Kelvane.txtbak"), elsewhere.File(L"victim.txt"), false));
    WriteBytes(root.File(L"Kelvane.txt"), std::string(LOG_FILE_MAX_SIZE, 'a'));
    kWriters[0].second(root.Path());
    EXPECT_EQ(ReadBytes(elsewhere.File(L"victim.txt")), kVictim);
    EXPECT_NE(GetFileAttributesW(root.File(L"Kelvane.txt").c_str()), INVALID_FILE_ATTRIBUTES);
    DeleteFileW(root.File(L"Kelvane.txtbak").c_str());
    RemoveDirectoryW(folderLink.c_str());
}
