#include "service/HostClientSearch.h"

#include <climits>

namespace {

struct ClientFolder {
    std::wstring_view program;
    std::wstring_view deviceInfo;
};

constexpr ClientFolder kClients[] = {
    {L"TW\\Tallowin\\TallowinClient.exe", L"TW\\Tallowin\\DeviceInfo.ini"},
    {L"Rivex\\RivexKey\\RivexClient.exe", L"Rivex\\RivexKey\\DeviceInfo.ini"},
};

bool IsBlank(wchar_t c) {
    return c == L' ' || (c >= L'\t' && c <= L'\r');
}

} // namespace

std::vector<std::wstring> HostClientSearch::DriveRoots(std::wstring_view buffer,
                                                       std::size_t nLength) {
    std::vector<std::wstring> roots;
    for (std::size_t i = 0; i < nLength && i + 3 <= buffer.size(); i += 4) {
        roots.emplace_back(buffer.substr(i, 3));
    }
    return roots;
}

std::optional<std::wstring> HostClientSearch::DeviceInfoFile(const std::vector<std::wstring>& roots,
                                                             const Predicate& isUsb,
                                                             const Predicate& fileExists) {
    for (const std::wstring& root : roots) {
        if (!isUsb(root)) {
            continue;
        }
        for (const ClientFolder& client : kClients) {
            if (!fileExists(root + std::wstring(client.program))) {
                continue;
            }
            // A client without its file sends the search to the next drive, not the next client.
            const std::wstring file = root + std::wstring(client.deviceInfo);
            if (fileExists(file)) {
                return file;
            }
            break;
        }
    }
    return std::nullopt;
}

int HostClientSearch::DeviceType(std::wstring_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) {
        ++i;
    }
    bool bNegative = false;
    if (i < text.size() && (text[i] == L'-' || text[i] == L'+')) {
        bNegative = text[i] == L'-';
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i) {
        // Saturates instead of overflowing, as the runtime's conversion does.
        value = value * 10 + (text[i] - L'0');
        if (value > INT_MAX) {
            return bNegative ? INT_MIN : INT_MAX;
        }
    }
    return static_cast<int>(bNegative ? -value : value);
}

HostClientSearch::UpdateNotice HostClientSearch::UpdateNoticeFor(int nDeviceType) {
    switch (nDeviceType) {
    case 1:
        return {L"检测到当前工具有新的版本，请在Tallowin客户端下载最新版本使用。", false};
    case 2:
        return {L"检测到当前工具有新的版本，请在Rivex客户端下载最新版本使用。", false};
    default:
        return {L"检测到当前工具有新的版本，请下载最新版本使用。", true};
    }
}
