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
constexpr double kPauseMs = 500.0;

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The same interpreter and command with a pipe read to its end, without the runner's pauses.
bool RunDirectly() {
    SECURITY_ATTRIBUTES sa{sizeof(sa), nullptr, TRUE};
    HANDLE hRead = nullptr, hWrite = nullptr;
    if (!CreatePipe(&hRead, &hWrite, &sa, 0)) {
        return false;
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
    if (bStarted) {
        char buffer[4096];
        DWORD n = 0;
        while (ReadFile(hRead, buffer, sizeof(buffer), &n, nullptr)) {
        }
        WaitForSingleObject(pi.hProcess, INFINITE);
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
    }
    CloseHandle(hRead);
    return bStarted != FALSE;
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
    RunDirectly(); // warm the interpreter's pages
    const double floor = MedianMs([] { RunDirectly(); });
    const double runner = MedianMs([] {
        std::wstring output;
        RunConsoleCommand(kCommand, &output);
    });
    std::printf("console runner, \"cmd /C echo kelvane\", median of %d runs\n", kRuns);
    std::printf("  floor (cmd started directly)     %8.1f ms\n", floor);
    std::printf("  RunConsoleCommand                %8.1f ms  (ratio %.2f)\n", runner,
                runner / floor);
    std::printf("  of which the pause after 1 chunk %8.1f ms  (fixed by contract)\n", kPauseMs);
    std::printf("  runner without the pause         %8.1f ms  (ratio %.2f)\n", runner - kPauseMs,
                (runner - kPauseMs) / floor);
    return 0;
}
