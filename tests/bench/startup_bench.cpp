// Times the tool's start-up, from its process start to its panel shown and painted, against a
// bare window program started the same way (the floor); the version check's console command is
// timed apart. Runs on a display under the prefix's settings (scripts/bench).
#include "UiDriver.h"
#include "UiProcess.h"

#include "res/resource.h"
#include "system/ConsoleCommandRunner.h"
#include "system/Timeline.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
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

// Milliseconds from the start of exe until shown(driver) holds and the probe point is painted.
double TimeToShown(const std::wstring& exe, const std::wstring& folder, POINT probe,
                   const std::function<bool(const UiDriver&)>& shown) {
    const COLORREF before = ScreenPixel(probe);
    KELVANE_MARK("process start");
    const auto start = Clock::now();
    UiProcess process(exe, L"", folder);
    const UiDriver ui(process.Id());
    const bool bShown =
        UiDriver::WaitFor([&] { return shown(ui) && Painted(probe, before); }, kTimeoutMs);
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    process.Terminate(0);
    Sleep(300);
    return bShown ? ms : -1.0;
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
    if (argc < 3) {
        std::fprintf(stderr, "usage: kelvane_startup_bench <folder with Kelvane.exe and library> "
                             "<bare window program of the same kind> [<folder with the builds "
                             "with phase marks> <the tool's timeline file> [<the bare window's "
                             "timeline file>]]\n");
        return 2;
    }
    const std::wstring bin = argv[1];
    const std::wstring bare = argv[2];
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
    std::vector<double> floor, tool, check;
    const auto anyWindow = [](const UiDriver& ui) { return !ui.Windows().empty(); };
    for (int i = 0; i < kRuns; ++i) {
        floor.push_back(TimeToShown(bare, folder, probe, anyWindow));
        tool.push_back(TimeToShown(folder + L"\\Kelvane.exe", folder, probe, PanelShown));
        const auto start = Clock::now();
        std::wstring output;
        RunConsoleCommand(L"WMIC OS List status", &output);
        check.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    if (std::min(*std::min_element(floor.begin(), floor.end()),
                 *std::min_element(tool.begin(), tool.end())) < 0) {
        std::printf("start-up: a window did not appear\n");
        return 1;
    }
    const double f = Median(floor);
    const double t = Median(tool);
    const double c = Median(check);
    std::printf("start-up to the panel shown and painted, median of %d runs\n", kRuns);
    std::printf("  floor (bare window program)      %8.1f ms\n", f);
    std::printf("  Kelvane.exe                      %8.1f ms  (ratio %.2f)\n", t, t / f);
    std::printf("  of which the version check's console command, about %8.1f ms\n", c);
    std::printf("  Kelvane.exe without it           %8.1f ms  (ratio %.2f)\n", t - c, (t - c) / f);
    // The bench's own build, whose marks in the timeline file follow each "process start".
    if (argc > 4) {
        SetEnvironmentVariableW(L"KELVANE_TIMELINE", argv[4]);
        const std::wstring timeline = folder + L"-timeline";
        CreateDirectoryW(timeline.c_str(), nullptr);
        Copy(std::wstring(argv[3]) + L"\\Kelvane.exe", timeline + L"\\Kelvane.exe");
        for (const wchar_t* name :
             {L"\\OstrelFeedbackInformation.dll", L"\\OstrelFeedbackInformation.ini"}) {
            Copy(folder + name, timeline + name);
        }
        for (int i = 0; i < kRuns; ++i) {
            TimeToShown(timeline + L"\\Kelvane.exe", timeline, probe, PanelShown);
        }
    }
    // The floor's marked build beside it, into a file of its own.
    if (argc > 5) {
        SetEnvironmentVariableW(L"KELVANE_TIMELINE", argv[5]);
        for (int i = 0; i < kRuns; ++i) {
            TimeToShown(std::wstring(argv[3]) + L"\\BareWindow.exe", folder, probe, anyWindow);
        }
    }
    return 0;
}
