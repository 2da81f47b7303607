#include "app/SelfRemovalRule.h"

#include <algorithm>

namespace {

constexpr std::wstring_view kWait = L"/C timeout /t 3 /nobreak & ";

std::wstring Quoted(std::wstring_view path) {
    return L"\"" + std::wstring(path) + L"\"";
}

// Windows compares names without case; outside ASCII only an exact match counts, which errs
// towards keeping the folder.
bool SameName(std::wstring_view a, std::wstring_view b) {
    const auto lower = [](wchar_t c) { return c >= L'A' && c <= L'Z' ? c - L'A' + L'a' : c; };
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(),
                      [&](wchar_t x, wchar_t y) { return lower(x) == lower(y); });
}

bool IsDriveLetterPath(std::wstring_view folder) {
    return folder.size() == 2 && folder[1] == L':' &&
           ((folder[0] >= L'A' && folder[0] <= L'Z') || (folder[0] >= L'a' && folder[0] <= L'z'));
}

} // namespace

bool SelfRemovalRule::IsDriveRoot(std::wstring_view folder) {
    constexpr std::wstring_view kLong = L"\\\\?\\";
    constexpr std::wstring_view kLongUnc = L"\\\\?\\UNC\\";
    std::wstring_view share;
    if (folder.starts_with(kLongUnc)) {
        share = folder.substr(kLongUnc.size());
    } else if (folder.starts_with(kLong)) {
        return IsDriveLetterPath(folder.substr(kLong.size()));
    } else if (folder.starts_with(L"\\\\")) {
        share = folder.substr(2);
    } else {
        return IsDriveLetterPath(folder);
    }
    // server\share with nothing below it.
    return std::count(share.begin(), share.end(), L'\\') <= 1;
}

std::wstring SelfRemovalRule::Parameters(const std::wstring& exePath,
                                         const std::vector<Entry>& entries, bool bListed) {
    const std::size_t slash = exePath.find_last_of(L'\\');
    // The interpreter would expand %…% even inside quotes and name another path.
    if (slash == std::wstring::npos || slash == 0 || exePath.find(L'%') != std::wstring::npos) {
        return {};
    }
    const std::wstring_view folder(exePath.data(), slash);
    const std::wstring_view exeName = std::wstring_view(exePath).substr(slash + 1);
    bool bOnlyOurs = bListed && !IsDriveRoot(folder);
    bool bLibrary = false;
    for (const Entry& entry : entries) {
        const bool bExe = !entry.bDirectory && SameName(entry.name, exeName);
        const bool bLib = !entry.bDirectory && SameName(entry.name, kLibraryName);
        bLibrary = bLibrary || bLib;
        bOnlyOurs = bOnlyOurs && (bExe || bLib);
    }
    if (bOnlyOurs) {
        return std::wstring(kWait) + L"rmdir /s /q " + Quoted(folder);
    }
    std::wstring parameters = std::wstring(kWait) + L"del /f /q " + Quoted(exePath);
    // Only a file of that name: del given a folder would empty it.
    if (bLibrary) {
        parameters += L" " + Quoted(std::wstring(folder) + L"\\" + std::wstring(kLibraryName));
    }
    return parameters;
}
