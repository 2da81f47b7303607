#include "app/SelfRemoval.h"

#include "app/SelfRemovalRule.h"

#include <windows.h>

#include <shellapi.h>

#include <optional>
#include <string>
#include <vector>

namespace {

// The longest path the system hands out, in characters.
constexpr DWORD kLongestPath = 32768;

std::optional<std::wstring> ExecutablePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0) {
            return std::nullopt;
        }
        if (n < path.size()) {
            path.resize(n);
            return path;
        }
        // Cut short: a shorter path would name a parent folder.
        if (path.size() >= kLongestPath) {
            return std::nullopt;
        }
        path.resize(path.size() * 2);
    }
}

bool ListFolder(const std::wstring& folder, std::vector<SelfRemovalRule::Entry>* pEntries) {
    WIN32_FIND_DATAW data{};
    HANDLE hFind = FindFirstFileExW((folder + L"\\*").c_str(), FindExInfoBasic, &data,
                                    FindExSearchNameMatch, nullptr, 0);
    if (hFind == INVALID_HANDLE_VALUE) {
        return false;
    }
    do {
        const std::wstring name = data.cFileName;
        if (name != L"." && name != L"..") {
            pEntries->push_back({name, (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
        }
    } while (FindNextFileW(hFind, &data));
    const bool bComplete = GetLastError() == ERROR_NO_MORE_FILES;
    FindClose(hFind);
    return bComplete;
}

std::wstring SystemFolder() {
    wchar_t folder[MAX_PATH] = {};
    const UINT n = GetSystemDirectoryW(folder, MAX_PATH);
    return n > 0 && n < MAX_PATH ? std::wstring(folder, n) : std::wstring();
}

} // namespace

void StartSelfRemoval() {
    const std::optional<std::wstring> exePath = ExecutablePath();
    const std::wstring system = SystemFolder();
    if (!exePath || system.empty()) {
        return;
    }
    const std::size_t slash = exePath->find_last_of(L'\\');
    std::vector<SelfRemovalRule::Entry> entries;
    const bool bListed =
        slash != std::wstring::npos && ListFolder(exePath->substr(0, slash), &entries);
    const std::wstring parameters = SelfRemovalRule::Parameters(*exePath, entries, bListed);
    if (parameters.empty()) {
        return;
    }
    // By its full path, in the system folder: never a cmd.exe planted beside the tool, and no
    // working directory inside the folder that is to go.
    const std::wstring cmd = system + L"\\cmd.exe";
    ShellExecuteW(nullptr, L"open", cmd.c_str(), parameters.c_str(), system.c_str(), SW_HIDE);
}
