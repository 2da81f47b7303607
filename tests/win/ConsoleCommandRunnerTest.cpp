#include "system/ConsoleCommandRunner.h"

#include "WinTestSupport.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

UINT GetCodePageOf(LCID locale) {
    UINT nCodePage = 0;
    GetLocaleInfoW(locale, LOCALE_IDEFAULTANSICODEPAGE | LOCALE_RETURN_NUMBER,
                   reinterpret_cast<LPWSTR>(&nCodePage), sizeof(nCodePage) / sizeof(wchar_t));
    return nCodePage;
}

long long MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
}

// These tests decode through code page 936, as on the systems the tool is made for.
class ConsoleCommandRunner : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(GetACP(), 936u) << "run under a Chinese locale (scripts/wine-run does)";
    }
    TempFolder m_folder;
};

} // namespace

TEST_F(ConsoleCommandRunner, CommandWithoutOutputLeavesTheStringAlone) {
    std::wstring output = L"kept";
    EXPECT_EQ(RunConsoleCommand(L"rem nothing to say", &output), TRUE);
    EXPECT_EQ(output, L"kept");
}

TEST_F(ConsoleCommandRunner, CapturesStandardOutputAndErrorAndAppends) {
    std::wstring output = L"before|";
    EXPECT_EQ(RunConsoleCommand(L"echo to-out& echo to-err 1>&2", &output), TRUE);
    EXPECT_EQ(RunConsoleCommand(L"echo second", &output), TRUE);
    EXPECT_EQ(output.rfind(L"before|", 0), 0u) << "appended, not replaced";
    const auto out = output.find(L"to-out");
    const auto err = output.find(L"to-err");
    const auto second = output.find(L"second");
    ASSERT_NE(out, std::wstring::npos);
    ASSERT_NE(err, std::wstring::npos) << "standard error reaches the capture";
    ASSERT_NE(second, std::wstring::npos);
    EXPECT_LT(err, second);
}

TEST_F(ConsoleCommandRunner, LongOutputArrivesCompleteInOrderWithAPausePerChunk) {
    std::string text;
    for (int i = 0; text.size() < 3 * 4095 + 1000; ++i) {
        text += "line " + std::to_string(i) + " of the long output\r\n";
    }
    const std::wstring file = m_folder.File(L"long.txt");
    WriteBytes(file, text);

    std::wstring output;
    const auto start = Clock::now();
    EXPECT_EQ(RunConsoleCommand(L"type \"" + file + L"\"", &output), TRUE);
    const long long elapsed = MillisecondsSince(start);

    EXPECT_EQ(output, FromUtf8(text));
    // No read returns more than 4,095 bytes, and every read is followed by its pause.
    const long long chunks = static_cast<long long>((text.size() + 4094) / 4095);
    EXPECT_GE(elapsed, 500 * chunks);
}

TEST_F(ConsoleCommandRunner, ZeroByteDropsOnlyTheRestOfItsChunk) {
    WriteBytes(m_folder.File(L"first.bin"), std::string("abc\0DROPPED", 11));
    WriteBytes(m_folder.File(L"second.bin"), "tail");
    std::wstring output;
    EXPECT_EQ(RunConsoleCommand(EmitCommand({L"file:" + m_folder.File(L"first.bin"), L"sleep:1000",
                                             L"file:" + m_folder.File(L"second.bin")}),
                                &output),
              TRUE);
    EXPECT_EQ(output, L"abctail");
}

TEST_F(ConsoleCommandRunner, DoubleByteCharacterAcrossTheChunkBoundarySurvivesWhateverTheFormats) {
    // 4,094 single bytes put the first GBK character's lead byte last in the first read.
    const std::wstring success = L"操作成功完成";
    const std::string filler(4094, 'x');
    const std::string bytes = filler + ToCodePage(success, 936) + "\r\n";
    WriteBytes(m_folder.File(L"split.bin"), bytes);
    // The system's commands write in the system's code page; a user whose formats are English
    // gives the thread another one, which must not decide.
    const LCID system = GetThreadLocale();
    for (const LCID thread : {system, MAKELCID(MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), 0)}) {
        ASSERT_TRUE(SetThreadLocale(thread));
        SCOPED_TRACE(testing::Message() << "thread code page " << GetCodePageOf(thread));
        std::wstring output;
        EXPECT_EQ(RunConsoleCommand(EmitCommand({L"file:" + m_folder.File(L"split.bin")}), &output),
                  TRUE);
        EXPECT_EQ(output, std::wstring(4094, L'x') + success + L"\r\n");
    }
    SetThreadLocale(system);
    EXPECT_EQ(GetCodePageOf(MAKELCID(MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), 0)), 1252u)
        << "the second pass played a thread with another code page";
}

TEST_F(ConsoleCommandRunner, CommandLineIsCutAt1023Characters) {
    // "cmd /C echo " is 12 characters, leaving 1,011 for the text.
    std::wstring output;
    EXPECT_EQ(RunConsoleCommand(L"echo " + std::wstring(1011, L'x'), &output), TRUE);
    EXPECT_EQ(output, std::wstring(1011, L'x') + L"\r\n");

    output.clear();
    EXPECT_EQ(RunConsoleCommand(L"echo " + std::wstring(3000, L'y'), &output), TRUE);
    EXPECT_EQ(output, std::wstring(1011, L'y') + L"\r\n");
}

TEST_F(ConsoleCommandRunner, RegistryToolReportsSuccessInChinese) {
    std::wstring output;
    EXPECT_EQ(RunConsoleCommand(L"reg add HKCU\\Software\\KelvaneRunnerTest /v Probe /t REG_DWORD "
                                L"/d 7 /f",
                                &output),
              TRUE);
    EXPECT_NE(output.find(L"操作成功完成"), std::wstring::npos)
        << "got: " << testing::PrintToString(output);
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\KelvaneRunnerTest", 0, KEY_READ, &key),
              ERROR_SUCCESS);
    DWORD value = 0, size = sizeof(value), type = 0;
    EXPECT_EQ(
        RegQueryValueExW(key, L"Probe", nullptr, &type, reinterpret_cast<BYTE*>(&value), &size),
        ERROR_SUCCESS);
    RegCloseKey(key);
    RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\KelvaneRunnerTest");
    EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(value, 7u);
}

TEST_F(ConsoleCommandRunner, ProgramsPlantedInTheCurrentFolderAreNotRun) {
    // A cmd.exe and a reg.bat where a search of the current folder would find them first.
    const std::wstring planted = FolderOf(FolderOf(ThisProgram())) + L"\\fixtures\\planted.exe";
    ASSERT_NE(GetFileAttributesW(planted.c_str()), INVALID_FILE_ATTRIBUTES) << "fixtures not built";
    ASSERT_TRUE(CopyFileW(planted.c_str(), m_folder.File(L"cmd.exe").c_str(), FALSE));
    ASSERT_TRUE(CopyFileW(planted.c_str(), m_folder.File(L"reg.exe").c_str(), FALSE));
    WriteBytes(m_folder.File(L"reg.bat"), "@echo planted>>\"%KELVANE_FIXTURE_JOURNAL%\"\r\n");
    const std::wstring journal = m_folder.File(L"journal.txt");
    SetEnvironmentVariableW(L"KELVANE_FIXTURE_JOURNAL", journal.c_str());

    wchar_t previous[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, previous);
    ASSERT_TRUE(SetCurrentDirectoryW(m_folder.Path().c_str()));
    std::wstring output;
    const BOOL bRan = RunConsoleCommand(L"reg query HKCU\\Software /ve & cd", &output);
    SetCurrentDirectoryW(previous);
    SetEnvironmentVariableW(L"KELVANE_FIXTURE_JOURNAL", nullptr);

    EXPECT_EQ(bRan, TRUE);
    EXPECT_EQ(ReadBytes(journal), "") << "a planted program ran";
    EXPECT_EQ(output.find(L"planted"), std::wstring::npos);
    // The interpreter starts in the system folder, where only the system's programs are.
    wchar_t system[MAX_PATH] = {};
    GetSystemDirectoryW(system, MAX_PATH);
    EXPECT_NE(output.find(std::wstring(system) + L"\r\n"), std::wstring::npos)
        << testing::PrintToString(output);
}

TEST(Wow64Probe, OnlyThe32BitBuildRunsUnderWow64) {
    BOOL bWow64 = TRUE;
    EXPECT_NE(CallIsWow64Process(GetCurrentProcess(), &bWow64), FALSE);
    // The test bed's prefix is 64-bit: the i686 build runs there as it does on Windows 11.
    const BOOL bExpected = sizeof(void*) == 4 ? TRUE : FALSE;
    EXPECT_EQ(bWow64, bExpected);
    EXPECT_EQ(IsRunningUnderWow64(), bExpected);
    // A handle without query rights fails; the probe reports that as not WOW64.
    EXPECT_EQ(CallIsWow64Process(nullptr, &bWow64), FALSE);
}
