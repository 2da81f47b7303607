// The stand-in feedback library through the binding: a copy of its test build in a tool folder
// of its own, configured by the ini beside it, with the journal and the feedback file outside
// that folder as the end-to-end tests keep them; and the build we ship, which has no such hooks.
#include "service/FeedbackDll.h"

#include "WinTestSupport.h"

#include <shlobj.h>

#include <gtest/gtest.h>

#include <cwchar>
#include <regex>
#include <vector>

namespace {

constexpr wchar_t kName[] = L"OstrelFeedbackInformation.dll";

std::wstring BuildRoot() {
    return FolderOf(FolderOf(FolderOf(ThisProgram())));
}

std::vector<std::wstring> Lines(const std::wstring& strPath) {
    const std::wstring text = FromUtf8(ReadBytes(strPath));
    std::vector<std::wstring> lines;
    std::wstring::size_type start = 0;
    for (std::wstring::size_type end; (end = text.find(L"\r\n", start)) != std::wstring::npos;
         start = end + 2) {
        lines.push_back(text.substr(start, end - start));
    }
    EXPECT_EQ(start, text.size()) << "unterminated last line";
    return lines;
}

class FeedbackLibrary : public testing::Test {
protected:
    // The test build, which reads its ini and keeps its journal; the shipped one does neither.
    void SetUp() override { Install(L"\\test-library\\"); }
    void Install(const std::wstring& strBuildFolder) {
        ASSERT_TRUE(CopyFileW((BuildRoot() + strBuildFolder + kName).c_str(),
                              m_tool.File(kName).c_str(), FALSE));
    }
    void TearDown() override {
        CFeedbackDll::FreeFeedbackInfo(m_info);
        m_dll.FreeFeedbackDll();
        // TempFolder clears flat folders only.
        DeleteFileW(FeedbackFile().c_str());
        RemoveDirectoryW(FolderOf(FeedbackFile()).c_str());
    }

    // The ini as UTF-16 with a byte-order mark, the form that carries any text.
    void WriteIni(const std::wstring& strSections, const std::wstring& strSettings) {
        const std::wstring text = L"\xFEFF[Settings]\r\n" + strSettings + strSections;
        WriteBytes(
            m_tool.File(L"OstrelFeedbackInformation.ini"),
            std::string(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(wchar_t)));
    }
    // What the end-to-end tests set: nothing opened, journal and records outside the tool.
    std::wstring TestSettings() const {
        return L"OpenAddresses=0\r\nJournal=" + Journal() + L"\r\nFeedbackFile=" + FeedbackFile() +
               L"\r\n";
    }
    void WriteIni(const std::wstring& strSections) { WriteIni(strSections, TestSettings()); }
    void Load() { ASSERT_TRUE(m_dll.LoadFeedbackDllFrom(m_tool.Path())); }

    std::wstring Journal() const { return m_outside.File(L"journal.txt"); }
    std::wstring FeedbackFile() const { return m_outside.Path() + L"\\records\\feedback.txt"; }

    TempFolder m_outside;
    TempFolder m_tool;
    CFeedbackDll m_dll;
    BSTR m_info[FEEDBACK_INFO_COUNT] = {};
};

} // namespace

TEST_F(FeedbackLibrary, FillsSixStringsThatTheToolOwnsAndFrees) {
    WriteIni(L"", L"OpenAddresses=0\r\nJournal=" + Journal() + L"\r\n");
    Load();
    ASSERT_EQ(m_dll.InitFreedbackDll(m_info), 1);

    wchar_t common[MAX_PATH] = {};
    ASSERT_TRUE(SHGetSpecialFolderPathW(nullptr, common, CSIDL_COMMON_APPDATA, FALSE));
    const std::wstring expected[FEEDBACK_INFO_COUNT] = {
        L"1.0.0.1",
        L"https://www.ostrel.example/agreement/",
        L"https://feedback.ostrel.example/question",
        L"https://www.ostrel.example/tools/",
        L"https://www.ostrel.example/download/",
        std::wstring(common) + L"\\OstrelFeedbackInformation\\CustomerFeedback.txt"};
    for (int i = 0; i < FEEDBACK_INFO_COUNT; ++i) {
        ASSERT_NE(m_info[i], nullptr) << i;
        EXPECT_EQ(SysStringLen(m_info[i]), wcslen(m_info[i])) << i;
        EXPECT_EQ(std::wstring(m_info[i]), expected[i]) << i;
    }

    // Initialising again hands the library empty slots, not the strings it filled before.
    ASSERT_EQ(m_dll.InitFreedbackDll(m_info), 1);
    CFeedbackDll::FreeFeedbackInfo(m_info);
    for (BSTR bstr : m_info) {
        EXPECT_EQ(bstr, nullptr);
    }
    EXPECT_EQ(Lines(Journal()),
              (std::vector<std::wstring>{L"InitFreedbackDll\t0\t=1", L"InitFreedbackDll\t0\t=1"}));
}

TEST_F(FeedbackLibrary, IniSetsEveryResultAndTheStrings) {
    WriteIni(L"[Results]\r\nInitFreedbackDll=100\r\nFeedbackQuestion=101\r\nOpenUrl=102\r\n"
             L"GetInterNetState=103\r\nCustomerFeedback=104\r\nCustomerFeedbackEx=105\r\n"
             L"WriteCustomerFeedbackInfoFile=106\r\nGetToolIsNewVersion=107\r\n"
             L"GetToolIsNewVersionDown=108\r\nOpenToolDownUrl=109\r\nOpenUseAgreementUrl=-110\r\n"
             L"[Info]\r\n3=https://工具.example/更多?a=b\r\n0=\r\n");
    Load();
    // Distinct results prove each call reaches its own export.
    EXPECT_EQ(m_dll.InitFreedbackDll(m_info), 100);
    EXPECT_EQ(m_dll.FeedbackQuestion(L"10147", L"1.1.22.1017"), 101);
    EXPECT_EQ(m_dll.OpenUrl(m_info[FEEDBACK_INFO_MORE_TOOLS]), 102);
    EXPECT_EQ(m_dll.GetInterNetState(), 103);
    EXPECT_EQ(m_dll.CustomerFeedback(L"10147", L"1.1.22.1017", 1), 104);
    EXPECT_EQ(m_dll.CustomerFeedbackEx(L"10147", L"1.1.22.1017", 1, L"0", L"1"), 105);
    EXPECT_EQ(m_dll.WriteCustomerFeedbackInfoFile(L"10147", L"1.1.22.1017", L"x"), 106);
    EXPECT_EQ(m_dll.GetToolIsNewVersion(L"10147", L"1.1.22.1017"), 107);
    EXPECT_EQ(m_dll.GetToolIsNewVersionDown(L"10147", L"1.1.22.1017"), 108);
    EXPECT_EQ(m_dll.OpenToolDownUrl(), 109);
    EXPECT_EQ(m_dll.OpenUseAgreementUrl(), -110);

    EXPECT_EQ(std::wstring(m_info[FEEDBACK_INFO_MORE_TOOLS]), L"https://工具.example/更多?a=b");
    ASSERT_NE(m_info[0], nullptr);
    EXPECT_EQ(SysStringLen(m_info[0]), 0u);
    EXPECT_EQ(std::wstring(m_info[1]), L"https://www.ostrel.example/agreement/");
}

TEST_F(FeedbackLibrary, FailedInitialisationLeavesTheSlotsEmpty) {
    WriteIni(L"[Results]\r\nInitFreedbackDll=0\r\nGetToolIsNewVersion=3\r\n");
    Load();
    EXPECT_EQ(m_dll.InitFreedbackDll(m_info), 0);
    for (BSTR bstr : m_info) {
        EXPECT_EQ(bstr, nullptr);
    }
    EXPECT_EQ(m_dll.GetToolIsNewVersion(L"10147", L"1.1.22.1017"), 3);
    EXPECT_EQ(Lines(Journal()),
              (std::vector<std::wstring>{L"InitFreedbackDll\t0\t=0",
                                         L"GetToolIsNewVersion\t10147\t1.1.22.1017\t=3"}));
}

TEST_F(FeedbackLibrary, JournalsEveryCallWithItsArguments) {
    WriteIni(L"");
    Load();
    ASSERT_EQ(m_dll.InitFreedbackDll(m_info), 1);
    m_dll.FeedbackQuestion(L"10147", L"1.1.22.1017");
    m_dll.OpenUrl(m_info[FEEDBACK_INFO_MORE_TOOLS]);
    m_dll.GetInterNetState();
    m_dll.CustomerFeedback(L"10147", L"1.1.22.1017", 3);
    m_dll.CustomerFeedbackEx(L"10147", L"1.1.22.1017", 1, L"1700000000", L"1");
    m_dll.WriteCustomerFeedbackInfoFile(L"10147", L"1.1.22.1017", L"第一行\t\\二\r\n\x01");
    m_dll.GetToolIsNewVersion(L"10147", L"1.1.22.1017");
    m_dll.GetToolIsNewVersionDown(L"10147", L"1.1.22.1017");
    m_dll.OpenToolDownUrl();
    m_dll.OpenUseAgreementUrl();
    m_dll.FeedbackQuestion(nullptr, L"版 1&2");

    EXPECT_EQ(Lines(Journal()),
              (std::vector<std::wstring>{
                  L"InitFreedbackDll\t0\t=1",
                  L"FeedbackQuestion\t10147\t1.1.22.1017\t=1\t"
                  L"https://feedback.ostrel.example/question?tool=10147&version=1.1.22.1017",
                  L"OpenUrl\thttps://www.ostrel.example/tools/\t=1\t"
                  L"https://www.ostrel.example/tools/",
                  L"GetInterNetState\t=1",
                  L"CustomerFeedback\t10147\t1.1.22.1017\t3\t=1",
                  L"CustomerFeedbackEx\t10147\t1.1.22.1017\t1\t1700000000\t1\t=1",
                  L"WriteCustomerFeedbackInfoFile\t10147\t1.1.22.1017\t"
                  L"第一行\\t\\\\二\\r\\n\\x01\t=1",
                  L"GetToolIsNewVersion\t10147\t1.1.22.1017\t=0",
                  L"GetToolIsNewVersionDown\t10147\t1.1.22.1017\t=0",
                  L"OpenToolDownUrl\t=1\thttps://www.ostrel.example/download/",
                  L"OpenUseAgreementUrl\t=1\thttps://www.ostrel.example/agreement/",
                  L"FeedbackQuestion\t\\0\t版 1&2\t=1\t"
                  L"https://feedback.ostrel.example/question?tool=&version=%E7%89%88%201%262",
              }));
}

TEST_F(FeedbackLibrary, FeedbackRecordsAppendToTheFeedbackFile) {
    WriteIni(L"");
    Load();
    EXPECT_EQ(m_dll.CustomerFeedbackEx(L"10147", L"1.1.22.1017", 2, L"1700000000", L"3"), 1);
    EXPECT_EQ(m_dll.CustomerFeedback(L"10147", L"1.1.22.1017", 1), 1);
    EXPECT_EQ(m_dll.WriteCustomerFeedbackInfoFile(L"10147", L"1.1.22.1017", L"好"), 1);
    // Neither opening addresses nor version checks leave records.
    m_dll.FeedbackQuestion(L"10147", L"1.1.22.1017");
    m_dll.GetToolIsNewVersion(L"10147", L"1.1.22.1017");

    const std::vector<std::wstring> lines = Lines(FeedbackFile());
    ASSERT_EQ(lines.size(), 3u);
    const std::wregex stamp(L"\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\dZ\t(.*)");
    const wchar_t* expected[] = {L"CustomerFeedbackEx\t10147\t1.1.22.1017\t2\t1700000000\t3",
                                 L"CustomerFeedback\t10147\t1.1.22.1017\t1",
                                 L"WriteCustomerFeedbackInfoFile\t10147\t1.1.22.1017\t好"};
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::wsmatch match;
        ASSERT_TRUE(std::regex_match(lines[i], match, stamp)) << i;
        EXPECT_EQ(match[1].str(), expected[i]);
    }
}

TEST_F(FeedbackLibrary, UnwritableFeedbackFileIsReportedAsFailure) {
    // The file's folder would have to be an existing file.
    WriteBytes(m_outside.File(L"blocker"), "x");
    WriteIni(L"", L"FeedbackFile=" + m_outside.File(L"blocker") + L"\\feedback.txt\r\n");
    Load();
    EXPECT_EQ(m_dll.CustomerFeedbackEx(L"10147", L"1.1.22.1017", 1, L"1700000000", L"1"), 0);
    EXPECT_EQ(m_dll.CustomerFeedback(L"10147", L"1.1.22.1017", 1), 0);
    EXPECT_EQ(m_dll.WriteCustomerFeedbackInfoFile(L"10147", L"1.1.22.1017", L"x"), 0);
}

// With opening switched on, only web addresses reach the shell: the caller runs elevated.
TEST_F(FeedbackLibrary, OpensNothingButWebAddresses) {
    const std::wstring planted = BuildRoot() + L"\\tests\\fixtures\\planted.exe";
    ASSERT_NE(GetFileAttributesW(planted.c_str()), INVALID_FILE_ATTRIBUTES);
    const std::wstring ran = m_outside.File(L"planted.txt");
    SetEnvironmentVariableW(L"KELVANE_FIXTURE_JOURNAL", ran.c_str());
    WriteIni(L"", L"OpenAddresses=1\r\nJournal=" + Journal() + L"\r\n");
    Load();

    EXPECT_EQ(m_dll.OpenUrl(planted.c_str()), 0);
    EXPECT_EQ(m_dll.OpenUrl((L"file:///" + planted).c_str()), 0);
    EXPECT_EQ(m_dll.OpenUrl(L""), 0);
    EXPECT_EQ(m_dll.OpenUrl(nullptr), 0);
    Sleep(500);
    SetEnvironmentVariableW(L"KELVANE_FIXTURE_JOURNAL", nullptr);
    EXPECT_EQ(ReadBytes(ran), "");
    EXPECT_EQ(Lines(Journal()).size(), 4u);
}

TEST_F(FeedbackLibrary, TheShippedBuildReadsNoIniAndKeepsNoJournal) {
    Install(L"\\bin\\");
    WriteIni(L"[Results]\r\nInitFreedbackDll=0\r\n[Info]\r\n3=http://planted.example/\r\n");
    SetEnvironmentVariableW(L"KELVANE_FEEDBACK_INI",
                            m_tool.File(L"OstrelFeedbackInformation.ini").c_str());
    Load();
    EXPECT_EQ(m_dll.InitFreedbackDll(m_info), 1);
    EXPECT_NE(std::wstring(m_info[FEEDBACK_INFO_MORE_TOOLS]), L"http://planted.example/");
    SetEnvironmentVariableW(L"KELVANE_FEEDBACK_INI", nullptr);
    EXPECT_TRUE(ReadBytes(Journal()).empty());
}
