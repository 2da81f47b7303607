#include "log/LogSaveCloseFile.h"
#include "log/LogSaveOpenFile.h"

#include "LogTestClock.h"
#include "WinTestSupport.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

// Many threads, several files: every line arrives whole and exactly once.
constexpr int kThreads = 8;
constexpr int kRecordsPerThread = 150;

std::string JobText(int nThread, int nRecord) {
    // "线程" and a long tail, so an unserialised write would show as a torn or lost line.
    std::string text = "\xCF\xDF\xB3\xCC";
    text += std::to_string(nThread);
    text += '-';
    text += std::to_string(nRecord);
    text.append(300, static_cast<char>('a' + nThread));
    return text;
}

constexpr int kFiles = 5;

std::string JobFile(int nRecord) {
    std::string name = "0.txt";
    name[0] = static_cast<char>('0' + nRecord % kFiles);
    return name;
}

void RunWriters(CLogBase& saver) {
    RunTogether(kThreads, [&](int nThread) {
        for (int i = 0; i < kRecordsPerThread; ++i) {
            saver.WriteText(JobText(nThread, i), JobFile(i));
        }
    });
}

void ExpectCompleteLinesFromEveryWriter(const TempFolder& folder) {
    for (int f = 0; f < kFiles; ++f) {
        const std::string name = JobFile(f);
        std::map<std::string, int> expected;
        for (int t = 0; t < kThreads; ++t) {
            for (int i = 0; i < kRecordsPerThread; ++i) {
                if (JobFile(i) == name) {
                    expected[kFrozenHeader + JobText(t, i)] = 0;
                }
            }
        }
        const std::string bytes = ReadBytes(folder.File(std::wstring(name.begin(), name.end())));
        std::size_t nPos = 0;
        int nLines = 0;
        while (nPos < bytes.size()) {
            const std::size_t nEnd = bytes.find("\r\n", nPos);
            ASSERT_NE(nEnd, std::string::npos) << name << ": last line unterminated";
            const auto it = expected.find(bytes.substr(nPos, nEnd - nPos));
            ASSERT_NE(it, expected.end()) << name << ": torn line at byte " << nPos;
            ++it->second;
            ++nLines;
            nPos = nEnd + 2;
        }
        EXPECT_EQ(nLines, static_cast<int>(expected.size())) << name;
        for (const auto& [line, count] : expected) {
            EXPECT_EQ(count, 1) << line.substr(kFrozenHeader.size(), 12);
        }
    }
}

TEST(LogWriterThreads, OneLockForAllFilesKeepsEveryLineWhole) {
    TempFolder folder;
    CLogSaveCloseFile saver(folder.Path() + L"\\", &FrozenClock);
    RunWriters(saver);
    ExpectCompleteLinesFromEveryWriter(folder);
}

TEST(LogWriterThreads, KeptOpenFilesKeepEveryLineWhole) {
    TempFolder folder;
    {
        CLogSaveOpenFile saver(folder.Path() + L"\\", &FrozenClock);
        RunWriters(saver);
    }
    ExpectCompleteLinesFromEveryWriter(folder);
}

// Threads asking at once for the same new files must each get the one object per file.
constexpr int kNames = 1000;

std::wstring LookupName(int i) {
    return L"N" + std::to_wstring(i) + L".txt";
}

TEST(LogWriterThreads, KeptOpenSaverMakesOneObjectPerFileUnderContention) {
    TempFolder folder;
    CLogSaveOpenFile saver(folder.Path() + L"\\", &FrozenClock);
    std::vector<std::vector<CLogSaveOpenFile::CLogFile*>> found(kThreads);
    RunTogether(kThreads, [&](int nThread) {
        auto& files = found[static_cast<std::size_t>(nThread)];
        files.reserve(kNames);
        for (int i = 0; i < kNames; ++i) {
            files.push_back(saver.GetLogFile(LookupName(i)));
        }
    });
    for (int i = 0; i < kNames; ++i) {
        CLogSaveOpenFile::CLogFile* pFile = saver.GetLogFile(LookupName(i));
        for (const auto& files : found) {
            ASSERT_EQ(files.at(static_cast<std::size_t>(i)), pFile) << i;
        }
    }
}

} // namespace
