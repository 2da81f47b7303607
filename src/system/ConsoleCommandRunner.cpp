#include "system/ConsoleCommandRunner.h"

#include "system/ConsoleOutputDecoder.h"
#include "system/ProcAddress.h"
#include "system/Timeline.h"

#include <string_view>

namespace {

using IsWow64ProcessFn = BOOL(WINAPI*)(HANDLE, PBOOL);

// Resolved on first use and kept for the life of the process.
IsWow64ProcessFn g_pfnIsWow64Process = nullptr;

constexpr int kCommandLineChars = 2048;
constexpr DWORD kPauseAfterChunkMs = 500;

// Closes what a run opened, on every way out.
class RunHandles {
public:
    ~RunHandles() {
        Close(hRead);
        Close(hWrite);
        Close(hThread);
        Close(hProcess);
        if (bRedirectionOff) {
            Wow64RevertWow64FsRedirection(pOldRedirection);
        }
    }
    static void Close(HANDLE& h) {
        if (h != nullptr) {
            CloseHandle(h);
            h = nullptr;
        }
    }

    HANDLE hRead = nullptr;
    HANDLE hWrite = nullptr;
    HANDLE hThread = nullptr;
    HANDLE hProcess = nullptr;
    PVOID pOldRedirection = nullptr;
    bool bRedirectionOff = false;
};

void AppendAnsi(std::string_view bytes, UINT nCodePage, std::wstring* pOutput) {
    if (bytes.empty()) {
        return;
    }
    const int nBytes = static_cast<int>(bytes.size());
    const int nChars = MultiByteToWideChar(nCodePage, 0, bytes.data(), nBytes, nullptr, 0);
    if (nChars <= 0) {
        return;
    }
    const std::size_t nOld = pOutput->size();
    pOutput->resize(nOld + static_cast<std::size_t>(nChars));
    MultiByteToWideChar(nCodePage, 0, bytes.data(), nBytes, pOutput->data() + nOld, nChars);
}

// The system's commands write in the system's ANSI code page; the thread's follows the user's
// format settings, which on a Chinese system set to English formats would garble the output.
LeadByteTable SystemCodePageLeadBytes() {
    CPINFO info{};
    if (!GetCPInfo(CP_ACP, &info)) {
        return {};
    }
    return ConsoleOutputDecoder::LeadBytesFromRanges(info.LeadByte, MAX_LEADBYTES);
}

// The interpreter is named by full path and started in the system folder: the tool runs
// elevated and must not pick up a cmd, reg or WMIC planted beside it or in the current folder.
std::wstring SystemDirectory() {
    wchar_t szPath[MAX_PATH] = {};
    const UINT nLength = GetSystemDirectoryW(szPath, MAX_PATH);
    if (nLength == 0 || nLength >= MAX_PATH) {
        return {};
    }
    return std::wstring(szPath, nLength);
}

} // namespace

BOOL CallIsWow64Process(HANDLE hProcess, PBOOL pbWow64) {
    if (g_pfnIsWow64Process == nullptr) {
        HMODULE hKernel = GetModuleHandleW(L"kernel32.dll");
        if (hKernel == nullptr) {
            return FALSE;
        }
        g_pfnIsWow64Process = GetProcAddressAs<IsWow64ProcessFn>(hKernel, "IsWow64Process");
        if (g_pfnIsWow64Process == nullptr) {
            return FALSE;
        }
    }
    return g_pfnIsWow64Process(hProcess, pbWow64);
}

BOOL IsRunningUnderWow64() {
    BOOL bWow64 = FALSE;
    return CallIsWow64Process(GetCurrentProcess(), &bWow64) && bWow64 ? TRUE : FALSE;
}

BOOL RunConsoleCommand(std::wstring strCommand, std::wstring* pOutput, DWORD* pdwExitCode) {
    RunHandles run;
    if (IsRunningUnderWow64()) {
        if (Wow64DisableWow64FsRedirection(&run.pOldRedirection) != TRUE) {
            return FALSE;
        }
        run.bRedirectionOff = true;
    }

    SECURITY_ATTRIBUTES sa{};
    sa.nLength = sizeof(sa);
    sa.lpSecurityDescriptor = nullptr;
    sa.bInheritHandle = TRUE;
    if (!CreatePipe(&run.hRead, &run.hWrite, &sa, 0)) {
        return FALSE;
    }

    STARTUPINFOW si{};
    si.cb = sizeof(si);
    GetStartupInfoW(&si);
    si.hStdOutput = run.hWrite;
    si.hStdError = run.hWrite;
    si.wShowWindow = SW_HIDE;
    si.dwFlags = STARTF_USESHOWWINDOW | STARTF_USESTDHANDLES;

    // wsprintfW stops at 1,024 characters with the terminator: longer command lines are cut.
    const std::wstring strText = L"cmd /C " + strCommand;
    wchar_t szCommandLine[kCommandLineChars] = {};
    wsprintfW(szCommandLine, L"%s", strText.c_str());

    const std::wstring strSystemDir = SystemDirectory();
    if (strSystemDir.empty()) {
        return FALSE;
    }
    const std::wstring strInterpreter = strSystemDir + L"\\cmd.exe";

    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(strInterpreter.c_str(), szCommandLine, nullptr, nullptr, TRUE, 0, nullptr,
                        strSystemDir.c_str(), &si, &pi)) {
        return FALSE;
    }
    run.hProcess = pi.hProcess;
    run.hThread = pi.hThread;
    KELVANE_MARK("console command started");

    // Only the child's copies keep the pipe open now, so end of data means they have all exited.
    RunHandles::Close(run.hWrite);

    const UINT nCodePage = CP_ACP;
    ConsoleOutputDecoder decoder(SystemCodePageLeadBytes());
    for (;;) {
        const std::span<char> target = decoder.NextReadBuffer();
        DWORD nRead = 0;
        if (!ReadFile(run.hRead, target.data(), static_cast<DWORD>(target.size()), &nRead,
                      nullptr)) {
            break;
        }
        KELVANE_MARK("console output read");
        AppendAnsi(decoder.TakeChunk(nRead), nCodePage, pOutput);
        Sleep(kPauseAfterChunkMs);
    }
    KELVANE_MARK("console output ended");
    AppendAnsi(decoder.TakeRemainder(), nCodePage, pOutput);
    RunHandles::Close(run.hRead);

    WaitForSingleObject(run.hProcess, INFINITE);
    DWORD dwExitCode = 0;
    if (!GetExitCodeProcess(run.hProcess, &dwExitCode)) {
        dwExitCode = STILL_ACTIVE; // unknown is no success
    }
    if (pdwExitCode != nullptr) {
        *pdwExitCode = dwExitCode;
    }
    return TRUE;
}
