#include "log/LogTargetRule.h"

#include <algorithm>

namespace {

std::wstring_view WithoutLongPrefix(std::wstring_view path) {
    constexpr std::wstring_view kLong = L"\\\\?\\";
    return path.starts_with(kLong) ? path.substr(kLong.size()) : path;
}

wchar_t Folded(wchar_t c) {
    return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - L'a' + L'A') : c == L'/' ? L'\\' : c;
}

} // namespace

bool LogTargetRule::SamePath(std::wstring_view a, std::wstring_view b) {
    a = WithoutLongPrefix(a);
    b = WithoutLongPrefix(b);
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(),
                      [](wchar_t x, wchar_t y) { return Folded(x) == Folded(y); });
}

bool LogTargetRule::MayAppend(const OpenedFile& file) {
    // A junction swapped in for a folder on the way shows only in where the file really is.
    return !file.bFolderIsReparsePoint && !file.bFileIsReparsePoint && file.nLinks <= 1 &&
           SamePath(file.requestedPath, file.finalPath);
}

bool LogTargetRule::MayRotate(bool bFolderIsReparsePoint, bool bBackupIsReparsePoint) {
    return !bFolderIsReparsePoint && !bBackupIsReparsePoint;
}
