#include "log/LogSaveCloseFile.h"
#include "log/LogSaveOpenFile.h"

#include "WinTestSupport.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

LogStamp FrozenClock() {
    return LogStamp{2024, 3, 5, 8, 7, 6, 9};
}

const std::string kHeader = "[2024-03-05 08:07:06 009ms]   ";

// Many threads, several files: every line arrives whole and exactly once.
struct WriterJob {
    CLogBase* pSaver = nullptr;
    HANDLE hStart = nullptr;
    int nThread = 0;
};

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

DWORD WINAPI WriterThread(LPVOID pParam) {
    const auto* pJob = static_cast<const WriterJob*>(pParam);
    WaitForSingleObject(pJob->hStart, INFINITE);
    for (int i = 0; i < kRecordsPerThread; ++i) {
        pJob->pSaver->WriteText(JobText(pJob->nThread, i), JobFile(i));
    }
    return 0;
}

void RunWriters(CLogBase& saver) {
    HANDLE hStart = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::vector<WriterJob> jobs(kThreads);
    std::vector<HANDLE> threads;
    for (int t = 0; t < kThreads; ++t) {
        jobs[t] = WriterJob{&saver, hStart, t};
        HANDLE h = CreateThread(nullptr, 0, &WriterThread, &jobs[t], 0, nullptr);
        ASSERT_NE(h, nullptr);
        threads.push_back(h);
    }
    SetEvent(hStart);
    WaitForMultipleObjects(static_cast<DWORD>(threads.size()), threads.data(), TRUE, INFINITE);
    for (HANDLE h : threads) {
        CloseHandle(h);
    }
    CloseHandle(hStart);
}

void ExpectCompleteLinesFromEveryWriter(const TempFolder& folder) {
    for (int f = 0; f < kFiles; ++f) {
        const std::string name = JobFile(f);
        std::map<std::string, int> expected;
        for (int t = 0; t < kThreads; ++t) {
            for (int i = 0; i < kRecordsPerThread; ++i) {
                if (JobFile(i) == name) {
                    expected[kHeader + JobText(t, i)] = 0;
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
            EXPECT_EQ(count, 1) << line.substr(kHeader.size(), 12);
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
struct LookupJob {
    CLogSaveOpenFile* pSaver = nullptr;
    HANDLE hStart = nullptr;
    std::vector<CLogSaveOpenFile::CLogFile*> files;
};

constexpr int kNames = 1000;

DWORD WINAPI LookupThread(LPVOID pParam) {
    auto* pJob = static_cast<LookupJob*>(pParam);
    WaitForSingleObject(pJob->hStart, INFINITE);
    for (int i = 0; i < kNames; ++i) {
        pJob->files.push_back(pJob->pSaver->GetLogFile(L"N" + std::to_wstring(i) + L".txt"));
    }
    return 0;
}

TEST(LogWriterThreads, KeptOpenSaverMakesOneObjectPerFileUnderContention) {
    TempFolder folder;
    CLogSaveOpenFile saver(folder.Path() + L"\\", &FrozenClock);
    HANDLE hStart = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::vector<LookupJob> jobs(kThreads, LookupJob{&saver, hStart, {}});
    std::vector<HANDLE> threads;
    for (LookupJob& job : jobs) {
        job.files.reserve(kNames);
        threads.push_back(CreateThread(nullptr, 0, &LookupThread, &job, 0, nullptr));
        ASSERT_NE(threads.back(), nullptr);
    }
    SetEvent(hStart);
    WaitForMultipleObjects(static_cast<DWORD>(threads.size()), threads.data(), TRUE, INFINITE);
    for (HANDLE h : threads) {
        CloseHandle(h);
    }
    CloseHandle(hStart);
    for (int i = 0; i < kNames; ++i) {
        CLogSaveOpenFile::CLogFile* pFile = saver.GetLogFile(L"N" + std::to_wstring(i) + L".txt");
        for (const LookupJob& job : jobs) {
            ASSERT_EQ(job.files.at(i), pFile) << i;
        }
    }
}

} // namespace
