#include "app/SelfRemoval.h"

#include "app/SelfRemovalRule.h"
#include "system/ModulePath.h"

#include <windows.h>

#include <shellapi.h>

#include <string>
#include <vector>

namespace {

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
    const std::wstring exePath = ExecutablePath();
    const std::wstring system = SystemFolder();
    if (exePath.empty() || system.empty()) {
        return;
    }
    const std::size_t slash = exePath.find_last_of(L'\\');
    std::vector<SelfRemovalRule::Entry> entries;
    const bool bListed =
        slash != std::wstring::npos && ListFolder(exePath.substr(0, slash), &entries);
    const std::wstring parameters = SelfRemovalRule::Parameters(exePath, entries, bListed);
    if (parameters.empty()) {
        return;
    }
    // By its full path, in the system folder: never a cmd.exe planted beside the tool, and no
    // working directory inside the folder that is to go.
    const std::wstring cmd = system + L"\\cmd.exe";
    ShellExecuteW(nullptr, L"open", cmd.c_str(), parameters.c_str(), system.c_str(), SW_HIDE);
}
