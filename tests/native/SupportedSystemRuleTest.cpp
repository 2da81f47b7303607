#include "system/SupportedSystemRule.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

// A console runner that answers from a script and records what it was asked.
struct ScriptedRunner {
    bool bRuns = true;
    std::wstring answer;
    std::vector<std::wstring> commands;

    ConsoleRunner Runner() {
        return [this](const std::wstring& command, std::wstring* output) {
            commands.push_back(command);
            EXPECT_TRUE(output->empty()) << "the query starts with an empty output";
            if (bRuns) {
                output->append(answer);
            }
            return bRuns;
        };
    }
};

bool Decide(unsigned long major, unsigned long minor, unsigned long build, ScriptedRunner& runner) {
    return SupportedSystemRule::IsSupported({major, minor, build}, runner.Runner());
}

const std::wstring kWindows11Output =
    L"Name                Status\r\r\nMicrosoft Windows 11 专业版|C:\\WINDOWS|"
    L"\\Device\\Harddisk0\\Partition3  OK\r\r\n";
const std::wstring kWindows10Output =
    L"Name                Status\r\r\nMicrosoft Windows 10 专业版|C:\\WINDOWS|"
    L"\\Device\\Harddisk0\\Partition3  OK\r\r\n";
const std::wstring kNotRecognised =
    L"'WMIC' 不是内部或外部命令，也不是可运行的程序\r\n或批处理文件。\r\n";

} // namespace

TEST(SupportedSystemRule, ListedVersionsDecideWithoutRunningAnything) {
    struct Row {
        unsigned long major, minor;
        bool expected;
    };
    for (const Row row : {Row{5, 0, false}, Row{5, 1, false}, Row{5, 2, false}, Row{6, 0, false},
                          Row{6, 1, true}, Row{6, 2, true}, Row{6, 3, true}}) {
        ScriptedRunner runner;
        runner.answer = kWindows11Output;
        EXPECT_EQ(Decide(row.major, row.minor, 30000, runner), row.expected)
            << row.major << "." << row.minor;
        EXPECT_TRUE(runner.commands.empty()) << row.major << "." << row.minor;
    }
}

TEST(SupportedSystemRule, VersionTenAsksTheQueryToolExactlyOnce) {
    ScriptedRunner runner;
    runner.answer = kWindows11Output;
    EXPECT_TRUE(Decide(10, 0, 19045, runner));
    ASSERT_EQ(runner.commands.size(), 1u);
    EXPECT_EQ(runner.commands[0], L"WMIC OS List status");

    runner.answer = kWindows10Output;
    EXPECT_FALSE(Decide(10, 0, 19045, runner));
}

TEST(SupportedSystemRule, UnlistedPairsAreDecidedLikeVersionTen) {
    for (const auto& [major, minor] : {std::pair{11ul, 0ul}, {6ul, 4ul}, {5ul, 3ul}, {4ul, 0ul}}) {
        ScriptedRunner answers11;
        answers11.answer = kWindows11Output;
        EXPECT_TRUE(Decide(major, minor, 100, answers11)) << major << "." << minor;
        EXPECT_EQ(answers11.commands.size(), 1u);

        ScriptedRunner answers10;
        answers10.answer = kWindows10Output;
        EXPECT_FALSE(Decide(major, minor, 30000, answers10)) << major << "." << minor;
    }
}

TEST(SupportedSystemRule, ProductNamedByTheQueryToolOutweighsTheBuild) {
    // The tool answered: its product name decides, whatever the build says.
    ScriptedRunner runner;
    runner.answer = kWindows10Output;
    EXPECT_FALSE(Decide(10, 0, 22631, runner));
    runner.answer = kWindows11Output;
    EXPECT_TRUE(Decide(10, 0, 19045, runner));
}

TEST(SupportedSystemRule, WithoutAnAnswerTheBuildDecides) {
    struct Case {
        bool bRuns;
        std::wstring answer;
        unsigned long build;
        bool expected;
    };
    const std::vector<Case> cases = {
        {false, L"", 22631, true}, // interpreter could not start
        {false, L"", 19045, false},
        {true, kNotRecognised, 22000, true}, // query tool removed from the system
        {true, kNotRecognised, 21999, false},
        {true, L"", 26100, true},
        {true, L"", 0, false},
    };
    for (const Case& c : cases) {
        ScriptedRunner runner;
        runner.bRuns = c.bRuns;
        runner.answer = c.answer;
        EXPECT_EQ(Decide(10, 0, c.build, runner), c.expected)
            << "runs=" << c.bRuns << " build=" << c.build;
    }
}

TEST(SupportedSystemRule, MarkerIsCaseSensitive) {
    ScriptedRunner runner;
    runner.answer = L"microsoft windows 11 pro";
    EXPECT_FALSE(Decide(10, 0, 19045, runner));
    runner.answer = L"Microsoft WINDOWS 11 Pro";
    EXPECT_FALSE(Decide(10, 0, 19045, runner));
    // The lower-case text is no answer at all, so a Windows 11 build still passes.
    runner.answer = L"microsoft windows 11 pro";
    EXPECT_TRUE(Decide(10, 0, 22631, runner));
    // The marker may sit anywhere, even in the first characters.
    runner.answer = L"Windows 11";
    EXPECT_TRUE(Decide(10, 0, 0, runner));
    runner.answer = L"Windows 1";
    EXPECT_FALSE(Decide(10, 0, 0, runner));
}
