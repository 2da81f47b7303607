#include "system/ModulePath.h"

namespace {

// The longest path the system hands out, in characters.
constexpr DWORD kLongestPath = 32768;

} // namespace

std::wstring ModulePath(HMODULE hModule) {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(hModule, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0) {
            return {};
        }
        if (n < path.size()) {
            path.resize(n);
            return path;
        }
        if (path.size() >= kLongestPath) {
            return {};
        }
        path.resize(path.size() * 2);
    }
}

std::wstring ExecutablePath() {
    return ModulePath(nullptr);
}

std::wstring ExecutableFolder() {
    const std::wstring path = ExecutablePath();
    const std::wstring::size_type slash = path.find_last_of(L'\\');
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}
