// Times the tool's start-up, from its process start to its panel shown and painted, against a
// bare window program and the design floor (DesignFloor.cpp), each started the same way; the
// version check's console command is timed apart. Runs on a display under the prefix's settings
// (scripts/bench), which also sets the machine's condition.
#include "UiDriver.h"
#include "UiProcess.h"

#include "res/resource.h"
#include "system/ConsoleCommandRunner.h"
#include "system/Timeline.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kRuns = 7;
constexpr DWORD kTimeoutMs = 60000;

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The screen at a point differs from white and from black: something has painted there.
bool Painted(POINT pt, COLORREF before) {
    HDC hScreen = GetDC(nullptr);
    const COLORREF now = GetPixel(hScreen, pt.x, pt.y);
    ReleaseDC(nullptr, hScreen);
    return now != before && now != CLR_INVALID;
}

COLORREF ScreenPixel(POINT pt) {
    HDC hScreen = GetDC(nullptr);
    const COLORREF c = GetPixel(hScreen, pt.x, pt.y);
    ReleaseDC(nullptr, hScreen);
    return c;
}

// Milliseconds from the start of exe until shown(driver) holds and the probe point is painted;
// -1, and a line saying why, when that does not happen. A run starts once the probe shows the
// empty screen again: a window of the run before, lingering there, would hide a paint like its own.
double TimeToShown(const std::wstring& exe, const std::wstring& folder, POINT probe, COLORREF empty,
                   const std::function<bool(const UiDriver&)>& shown) {
    UiDriver::WaitFor([&] { return ScreenPixel(probe) == empty; }, 5000);
    KELVANE_MARK("process start");
    const auto start = Clock::now();
    UiProcess process(exe, L"", folder);
    const UiDriver ui(process.Id());
    // A program that has ended shows nothing more.
    const bool bShown =
        UiDriver::WaitFor(
            [&] { return (shown(ui) && Painted(probe, empty)) || !process.IsRunning(); },
            kTimeoutMs) &&
        process.IsRunning();
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    if (!bShown) {
        const std::optional<DWORD> exit = process.WaitForExit(0);
        std::printf("  a run of %ls missed its window: %s\n",
                    exe.substr(exe.rfind(L'\\') + 1).c_str(),
                    exit        ? ("it ended with code " + std::to_string(*exit)).c_str()
                    : shown(ui) ? "the screen never showed it"
                                : "no window came in 60 s");
    }
    process.Terminate(0);
    return bShown ? ms : -1.0;
}

// A run that missed its window is repeated once.
double Retried(const std::function<double()>& run) {
    const double ms = run();
    return ms >= 0 ? ms : run();
}

void Copy(const std::wstring& from, const std::wstring& to) {
    CopyFileW(from.c_str(), to.c_str(), FALSE);
}

bool PanelShown(const UiDriver& ui) {
    for (HWND hWnd : ui.Windows()) {
        if (UiDriver::FindControl(hWnd, IDC_BUTTON_MEDIUM) != nullptr) {
            return true;
        }
    }
    return false;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: kelvane_startup_bench <folder with Kelvane.exe and library> "
                             "<bare window program of the same kind> <design floor program of "
                             "the same kind> [<folder with the builds with phase marks> <the "
                             "tool's timeline file> [<the bare window's timeline file>]]\n");
        return 2;
    }
    const std::wstring bin = argv[1];
    const std::wstring bare = argv[2];
    const std::wstring design = argv[3];
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = std::wstring(temp) + L"kelvane-bench";
    CreateDirectoryW(folder.c_str(), nullptr);
    Copy(bin + L"\\Kelvane.exe", folder + L"\\Kelvane.exe");
    Copy(bin + L"\\OstrelFeedbackInformation.dll", folder + L"\\OstrelFeedbackInformation.dll");
    const std::string ini = "[Settings]\r\nOpenAddresses=0\r\n";
    HANDLE hIni = CreateFileW((folder + L"\\OstrelFeedbackInformation.ini").c_str(), GENERIC_WRITE,
                              0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(hIni, ini.data(), static_cast<DWORD>(ini.size()), &written, nullptr);
    CloseHandle(hIni);

    const POINT probe{960, 500};
    const COLORREF empty = ScreenPixel(probe);
    std::vector<double> floor, designFloor, tool, check;
    const auto anyWindow = [](const UiDriver& ui) { return !ui.Windows().empty(); };
    for (int i = 0; i < kRuns; ++i) {
        floor.push_back(
            Retried([&] { return TimeToShown(bare, folder, probe, empty, anyWindow); }));
        designFloor.push_back(
            Retried([&] { return TimeToShown(design, folder, probe, empty, anyWindow); }));
        tool.push_back(Retried([&] {
            return TimeToShown(folder + L"\\Kelvane.exe", folder, probe, empty, PanelShown);
        }));
        const auto start = Clock::now();
        std::wstring output;
        RunConsoleCommand(L"WMIC OS List status", &output);
        check.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    // The medians come from the runs that completed.
    std::erase(floor, -1.0);
    std::erase(designFloor, -1.0);
    std::erase(tool, -1.0);
    if (floor.empty() || designFloor.empty() || tool.empty()) {
        std::printf("start-up: no figure, as no run of %s showed its window\n",
                    floor.empty()         ? "the bare window"
                    : designFloor.empty() ? "the design floor"
                                          : "Kelvane.exe");
        return 1;
    }
    const double f = Median(floor);
    const double d = Median(designFloor);
    const double t = Median(tool);
    const double c = Median(check);
    const auto ratios = [&](double ms) {
        std::printf("%8.1f ms  (ratio %.2f to the bare window, %.2f to the design floor)\n", ms,
                    ms / f, ms / d);
    };
    std::printf("start-up to the panel shown and painted, median of %zu runs\n", tool.size());
    std::printf("  bare window program              %8.1f ms\n", f);
    std::printf("  design floor                     %8.1f ms  (ratio %.2f to the bare window)\n", d,
                d / f);
    std::printf("  Kelvane.exe                      ");
    ratios(t);
    std::printf("  of which the version check's console command, about %8.1f ms\n", c);
    std::printf("  Kelvane.exe without it           ");
    ratios(t - c);
    // The bench's own build, whose marks in the timeline file follow each "process start".
    if (argc > 5) {
        SetEnvironmentVariableW(L"KELVANE_TIMELINE", argv[5]);
        const std::wstring timeline = folder + L"-timeline";
        CreateDirectoryW(timeline.c_str(), nullptr);
        Copy(std::wstring(argv[4]) + L"\\Kelvane.exe", timeline + L"\\Kelvane.exe");
        for (const wchar_t* name :
             {L"\\OstrelFeedbackInformation.dll", L"\\OstrelFeedbackInformation.ini"}) {
            Copy(folder + name, timeline + name);
        }
        for (int i = 0; i < kRuns; ++i) {
            TimeToShown(timeline + L"\\Kelvane.exe", timeline, probe, empty, PanelShown);
        }
    }
    // The floor's marked build beside it, into a file of its own.
    if (argc > 6) {
        SetEnvironmentVariableW(L"KELVANE_TIMELINE", argv[6]);
        for (int i = 0; i < kRuns; ++i) {
            TimeToShown(std::wstring(argv[4]) + L"\\BareWindow.exe", folder, probe, empty,
                        anyWindow);
        }
    }
    return 0;
}
