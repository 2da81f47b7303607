// Times the console runner against starting the same command directly (the floor).
#include "system/ConsoleCommandRunner.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kRuns = 9;
constexpr wchar_t kCommand[] = L"echo kelvane";
constexpr double kPauseMs = 500.0; // after every read that delivered output

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The same interpreter and command with a pipe read to its end, without the runner's pauses;
// returns the number of reads that delivered output (each costs the runner one pause).
int RunDirectly() {
    SECURITY_ATTRIBUTES sa{sizeof(sa), nullptr, TRUE};
    HANDLE hRead = nullptr, hWrite = nullptr;
    if (!CreatePipe(&hRead, &hWrite, &sa, 0)) {
        return 0;
    }
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    si.dwFlags = STARTF_USESHOWWINDOW | STARTF_USESTDHANDLES;
    si.wShowWindow = SW_HIDE;
    si.hStdOutput = hWrite;
    si.hStdError = hWrite;
    wchar_t system[MAX_PATH] = {};
    GetSystemDirectoryW(system, MAX_PATH);
    const std::wstring interpreter = std::wstring(system) + L"\\cmd.exe";
    std::wstring line = std::wstring(L"cmd /C ") + kCommand;
    PROCESS_INFORMATION pi{};
    const BOOL bStarted = CreateProcessW(interpreter.c_str(), line.data(), nullptr, nullptr, TRUE,
                                         0, nullptr, system, &si, &pi);
    CloseHandle(hWrite);
    int nReads = 0;
    if (bStarted) {
        char buffer[4095];
        DWORD n = 0;
        while (ReadFile(hRead, buffer, sizeof(buffer), &n, nullptr)) {
            ++nReads;
        }
        WaitForSingleObject(pi.hProcess, INFINITE);
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
    }
    CloseHandle(hRead);
    return nReads;
}

template <typename Fn> double MedianMs(Fn fn) {
    std::vector<double> times;
    for (int i = 0; i < kRuns; ++i) {
        const auto start = Clock::now();
        fn();
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    return Median(times);
}

} // namespace

int wmain() {
    // The interpreter may write one line in more than one piece: count what the pipe delivers.
    const int nChunks = RunDirectly();
    const double floor = MedianMs([] { RunDirectly(); });
    const double runner = MedianMs([] {
        std::wstring output;
        RunConsoleCommand(kCommand, &output);
    });
    std::printf("console runner, \"cmd /C echo kelvane\", median of %d runs\n", kRuns);
    std::printf("  floor (cmd started directly)     %8.1f ms\n", floor);
    std::printf("  RunConsoleCommand                %8.1f ms  (ratio %.2f)\n", runner,
                runner / floor);
    const double pauses = kPauseMs * nChunks;
    std::printf("  of which pauses, %d chunk(s)      %8.1f ms  (500 ms each, by contract)\n",
                nChunks, pauses);
    std::printf("  runner without the pauses        %8.1f ms  (ratio %.2f)\n", runner - pauses,
                (runner - pauses) / floor);
    return 0;
}
