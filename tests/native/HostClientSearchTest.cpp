#include "service/HostClientSearch.h"

#include <gtest/gtest.h>

#include <set>

namespace {

constexpr wchar_t kTallowinExe[] = L"TW\\Tallowin\\TallowinClient.exe";
constexpr wchar_t kTallowinIni[] = L"TW\\Tallowin\\DeviceInfo.ini";
constexpr wchar_t kRivexExe[] = L"Rivex\\RivexKey\\RivexClient.exe";
constexpr wchar_t kRivexIni[] = L"Rivex\\RivexKey\\DeviceInfo.ini";

struct Case {
    const char* name;
    std::set<std::wstring> files;
    std::set<std::wstring> usb;
    std::optional<std::wstring> found;
};

std::wstring On(const wchar_t* root, const wchar_t* file) {
    return std::wstring(root) + file;
}

} // namespace

TEST(HostClientSearch, DriveStringsAreWalkedInEntriesOfFour) {
    const std::wstring buffer(L"C:\\\0E:\\\0F:\\\0\0", 13);
    EXPECT_EQ(HostClientSearch::DriveRoots(buffer, 12),
              (std::vector<std::wstring>{L"C:\\", L"E:\\", L"F:\\"}));
    EXPECT_EQ(HostClientSearch::DriveRoots(buffer, 5),
              (std::vector<std::wstring>{L"C:\\", L"E:\\"}));
    EXPECT_TRUE(HostClientSearch::DriveRoots(buffer, 0).empty());
}

TEST(HostClientSearch, SearchOrderOverDrivesAndClients) {
    const std::vector<std::wstring> roots = {L"C:\\", L"E:\\", L"F:\\"};
    const Case cases[] = {
        {"nothing anywhere", {}, {L"E:\\", L"F:\\"}, std::nullopt},
        {"Tallowin before Rivex on one drive",
         {On(L"E:\\", kTallowinExe), On(L"E:\\", kTallowinIni), On(L"E:\\", kRivexExe),
          On(L"E:\\", kRivexIni)},
         {L"E:\\"},
         On(L"E:\\", kTallowinIni)},
        {"a program without its file passes to the next drive, not to Rivex",
         {On(L"E:\\", kTallowinExe), On(L"E:\\", kRivexExe), On(L"E:\\", kRivexIni),
          On(L"F:\\", kRivexExe), On(L"F:\\", kRivexIni)},
         {L"E:\\", L"F:\\"},
         On(L"F:\\", kRivexIni)},
        {"the first complete folder ends the search",
         {On(L"E:\\", kRivexExe), On(L"E:\\", kRivexIni), On(L"F:\\", kTallowinExe),
          On(L"F:\\", kTallowinIni)},
         {L"E:\\", L"F:\\"},
         On(L"E:\\", kRivexIni)},
        {"a fixed disk is never searched",
         {On(L"C:\\", kTallowinExe), On(L"C:\\", kTallowinIni)},
         {L"E:\\"},
         std::nullopt},
        {"a file without its program counts for nothing",
         {On(L"E:\\", kTallowinIni)},
         {L"E:\\"},
         std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto found = HostClientSearch::DeviceInfoFile(
            roots, [&](const std::wstring& root) { return c.usb.count(root) > 0; },
            [&](const std::wstring& file) { return c.files.count(file) > 0; });
        EXPECT_EQ(found, c.found);
    }
}

TEST(HostClientSearch, DeviceTypeIsTheLeadingNumber) {
    EXPECT_EQ(HostClientSearch::DeviceType(L"2"), 2);
    EXPECT_EQ(HostClientSearch::DeviceType(L" 12abc"), 12);
    EXPECT_EQ(HostClientSearch::DeviceType(L"-3"), -3);
    EXPECT_EQ(HostClientSearch::DeviceType(L""), 0);
    EXPECT_EQ(HostClientSearch::DeviceType(L"x1"), 0);
    EXPECT_EQ(HostClientSearch::DeviceType(L"99999999999"), 2147483647);
}

TEST(HostClientSearch, UpdateNoticeByDeviceType) {
    const std::wstring tallowin = L"检测到当前工具有新的版本，请在Tallowin客户端下载最新版本使用。";
    const std::wstring rivex = L"检测到当前工具有新的版本，请在Rivex客户端下载最新版本使用。";
    const std::wstring neutral = L"检测到当前工具有新的版本，请下载最新版本使用。";
    struct Row {
        int nType;
        const std::wstring& text;
        bool bDownload;
    };
    for (const Row& r : {Row{1, tallowin, false}, Row{2, rivex, false}, Row{0, neutral, true},
                         Row{5, neutral, true}, Row{-1, neutral, true}}) {
        const auto notice = HostClientSearch::UpdateNoticeFor(r.nType);
        EXPECT_EQ(notice.text, r.text) << r.nType;
        EXPECT_EQ(notice.bOpenDownloadPage, r.bDownload) << r.nType;
    }
}
