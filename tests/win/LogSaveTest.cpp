#include "log/LogSave.h"

#include "log/GbkText.h"
#include "log/LogSaveCloseFile.h"

#include "WinTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// "设置任务栏大小失败" in GBK.
const std::string kFailureGbk = "\xC9\xE8\xD6\xC3\xC8\xCE\xCE\xF1\xC0\xB8\xB4\xF3\xD0\xA1\xCA\xA7"
                                "\xB0\xDC";

bool Exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool IsFolder(const std::wstring& path) {
    const DWORD nAttributes = GetFileAttributesW(path.c_str());
    return nAttributes != INVALID_FILE_ATTRIBUTES && (nAttributes & FILE_ATTRIBUTE_DIRECTORY);
}

// "[yyyy-mm-dd hh:mm:ss mmmms]   " with digits where the clock's numbers go.
bool IsRecordHeader(const std::string& header) {
    const std::string pattern = "[dddd-dd-dd dd:dd:dd dddms]   ";
    if (header.size() != pattern.size()) {
        return false;
    }
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const bool bDigit = header[i] >= '0' && header[i] <= '9';
        if (pattern[i] == 'd' ? !bDigit : header[i] != pattern[i]) {
            return false;
        }
    }
    return true;
}

// The records of a log file, headers checked and taken off.
std::vector<std::string> RecordTexts(const std::wstring& path) {
    std::vector<std::string> texts;
    const std::string bytes = ReadBytes(path);
    std::size_t nPos = 0;
    while (nPos < bytes.size()) {
        const std::size_t nEnd = bytes.find("\r\n", nPos);
        if (nEnd == std::string::npos || nEnd - nPos < 30 ||
            !IsRecordHeader(bytes.substr(nPos, 30))) {
            texts.push_back("<malformed>");
            break;
        }
        texts.push_back(bytes.substr(nPos + 30, nEnd - nPos - 30));
        nPos = nEnd + 2;
    }
    return texts;
}

// Removes a log folder the object made inside a test's folder.
void RemoveLogFolder(const std::wstring& logDir) {
    WIN32_FIND_DATAW data{};
    HANDLE hFind = FindFirstFileW((logDir + L"*").c_str(), &data);
    if (hFind != INVALID_HANDLE_VALUE) {
        do {
            DeleteFileW((logDir + data.cFileName).c_str());
        } while (FindNextFileW(hFind, &data));
        FindClose(hFind);
    }
    RemoveDirectoryW(logDir.c_str());
}

class LogSave : public testing::Test {
protected:
    void TearDown() override { RemoveLogFolder(LogDir()); }

    std::wstring Base() const { return m_folder.Path() + L"\\"; }
    std::wstring LogDir() const { return Base() + L"ToolLog\\"; }
    void Configure(const std::string& strIni) { WriteBytes(m_folder.File(L"logCfg.ini"), strIni); }

    TempFolder m_folder;
};

TEST_F(LogSave, MakesTheLogFolderAndWritesThroughAClosingSaver) {
    CLogSave logSave(Base());
    EXPECT_EQ(logSave.GetLogDir(), m_folder.File(L"ToolLog\\"));
    EXPECT_TRUE(IsFolder(m_folder.File(L"ToolLog")));
    EXPECT_FALSE(logSave.IsPrintOn()) << "no configuration file";
    EXPECT_NE(dynamic_cast<const CLogSaveCloseFile*>(logSave.GetLogSaver()), nullptr);

    logSave.WriteLog(kFailureGbk, "Kelvane.txt", true);
    logSave.WriteLog("x", "Kelvane.txt", true);
    EXPECT_EQ(RecordTexts(LogDir() + L"Kelvane.txt"), (std::vector<std::string>{kFailureGbk, "x"}));

    CLogSave again(Base());
    EXPECT_EQ(again.GetLogDir(), logSave.GetLogDir()) << "an existing folder is used as it is";
    again.WriteLog("y", "Kelvane.txt", true);
    EXPECT_EQ(RecordTexts(LogDir() + L"Kelvane.txt").size(), 3u);
}

TEST_F(LogSave, PrintSwitchValues) {
    struct Case {
        const char* pszIni;
        bool bPrint;
    };
    const Case cases[] = {
        {"[Log]\r\nprint=1\r\n", true},    {"[Log]\r\nprint= 1 \r\n", true},
        {"[Log]\r\nprint=01\r\n", true},   {"[Log]\r\nprint=1x\r\n", true},
        {"[Log]\r\nprint=1.5\r\n", true},  {"[log]\r\nPRINT=1\r\n", true},
        {"[Log]\r\nprint=-1\r\n", false},  {"[Log]\r\nprint=0\r\n", false},
        {"[Log]\r\nprint=2\r\n", false},   {"[Log]\r\nprint=yes\r\n", false},
        {"[Log]\r\nprint=\r\n", false},    {"[Log]\r\nother=1\r\n", false},
        {"[Other]\r\nprint=1\r\n", false}, {"", false},
    };
    for (const Case& c : cases) {
        Configure(c.pszIni);
        CLogSave logSave(Base());
        EXPECT_EQ(logSave.IsPrintOn(), c.bPrint) << c.pszIni;
    }
    DeleteFileW(m_folder.File(L"logCfg.ini").c_str());
    EXPECT_FALSE(CLogSave(Base()).IsPrintOn()) << "no file at all";
}

TEST_F(LogSave, ConfigValueIsReadUpTo99CharactersAndTrimmed) {
    Configure("[Log]\r\nprint=\t1 \r\nlong=" + std::string(150, '7') + "\r\n");
    const std::wstring ini = m_folder.File(L"logCfg.ini");
    EXPECT_EQ(CLogSave::ReadConfigString(ini, L"Log", L"print", L"-1"), L"1");
    EXPECT_EQ(CLogSave::ReadConfigString(ini, L"Log", L"long", L"-1"), std::wstring(99, L'7'));
    EXPECT_EQ(CLogSave::ReadConfigString(ini, L"Log", L"none", L"-1"), L"-1");
}

TEST_F(LogSave, UnforcedRecordsFollowTheSwitch) {
    {
        CLogSave off(Base());
        off.WriteLog("unforced", "Kelvane.txt", false);
        EXPECT_FALSE(Exists(LogDir() + L"Kelvane.txt"));
        off.WriteLog("forced", "Kelvane.txt", true);
    }
    Configure("[Log]\r\nprint=1\r\n");
    CLogSave on(Base());
    on.WriteLog("unforced", "Kelvane.txt", false);
    on.WriteLog("forced", "Kelvane.txt", true);
    EXPECT_EQ(RecordTexts(LogDir() + L"Kelvane.txt"),
              (std::vector<std::string>{"forced", "unforced", "forced"}));
}

TEST_F(LogSave, ToolLogThatIsAFileIsLeftAloneAndRecordsAreDropped) {
    WriteBytes(m_folder.File(L"ToolLog"), "not a folder");
    CLogSave logSave(Base());
    EXPECT_EQ(logSave.GetLogDir(), LogDir());
    logSave.WriteLog(kFailureGbk, "Kelvane.txt", true);
    EXPECT_FALSE(IsFolder(m_folder.File(L"ToolLog")));
    EXPECT_EQ(ReadBytes(m_folder.File(L"ToolLog")), "not a folder");
    DeleteFileW(m_folder.File(L"ToolLog").c_str());
}

TEST_F(LogSave, WithoutABaseFolderTheLogGoesBelowTheCurrentFolder) {
    wchar_t szOld[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, szOld);
    ASSERT_TRUE(SetCurrentDirectoryW(m_folder.Path().c_str()));
    {
        CLogSave logSave(L"");
        EXPECT_EQ(logSave.GetLogDir(), L"ToolLog\\");
        logSave.WriteLog("here", "Kelvane.txt", true);
    }
    SetCurrentDirectoryW(szOld);
    EXPECT_EQ(RecordTexts(LogDir() + L"Kelvane.txt"), std::vector<std::string>{"here"});
}

// The process-wide object writes into the machine's own application-data folder, so these
// run only in a private Wine prefix (tests/win/log.cmake).
class LogSaveMachineWide : public testing::Test {
protected:
    void SetUp() override {
        if (GetEnvironmentVariableW(L"KELVANE_PRIVATE_PREFIX", nullptr, 0) == 0) {
            GTEST_SKIP() << "writes into the common application-data folder";
        }
        m_base = CLogSave::GetCommonAppDataDir();
        ASSERT_FALSE(m_base.empty());
    }

    std::wstring m_base;
};

TEST_F(LogSaveMachineWide, OneObjectForTheProcessLoggingIntoProgramData) {
    EXPECT_TRUE(IsFolder(m_base.substr(0, m_base.size() - 1)));
    EXPECT_EQ(m_base.find(L"\\\\"), std::wstring::npos);

    // The first calls come from several threads at once.
    std::vector<CLogSave*> found(6);
    RunTogether(6, [&](int i) { found[static_cast<std::size_t>(i)] = GetLogSave(); });
    CLogSave* pLogSave = GetLogSave();
    ASSERT_NE(pLogSave, nullptr);
    for (CLogSave* pFound : found) {
        EXPECT_EQ(pFound, pLogSave);
    }

    EXPECT_EQ(pLogSave->GetLogDir(), m_base + L"ToolLog\\");
    EXPECT_TRUE(IsFolder(m_base + L"ToolLog"));
    const std::wstring path = m_base + L"ToolLog\\Kelvane.txt";
    DeleteFileW(path.c_str());
    GetLogSave()->WriteLog(ToGbk(L"设置任务栏大小失败"), ToGbk(L"Kelvane.txt"), true);
    GetLogSave()->WriteLog(ToGbk(L"创建设置Win11任务栏大小线程失败"), ToGbk(L"Kelvane.txt"), true);
    EXPECT_EQ(RecordTexts(path),
              (std::vector<std::string>{
                  kFailureGbk, "\xB4\xB4\xBD\xA8\xC9\xE8\xD6\xC3Win11\xC8\xCE\xCE\xF1"
                               "\xC0\xB8\xB4\xF3\xD0\xA1\xCF\xDF\xB3\xCC\xCA\xA7\xB0\xDC"}));
}

TEST_F(LogSaveMachineWide, ConfigurationBesideTheLogFolder) {
    const std::wstring ini = m_base + L"logCfg.ini";
    WriteBytes(ini, "[Log]\r\nprint= 1 \r\n");
    {
        CLogSave logSave;
        EXPECT_TRUE(logSave.IsPrintOn());
        EXPECT_EQ(logSave.GetLogDir(), m_base + L"ToolLog\\");
    }
    WriteBytes(m_base + L"ToolLog\\logCfg.ini", "[Log]\r\nprint=1\r\n");
    DeleteFileW(ini.c_str());
    EXPECT_FALSE(CLogSave().IsPrintOn()) << "not read from inside the log folder";
    DeleteFileW((m_base + L"ToolLog\\logCfg.ini").c_str());
}

} // namespace
