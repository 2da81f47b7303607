// Loading the feedback library: only from the executable's folder, by full path, all eleven
// exports or nothing. The build puts the library beside this test program and builds variants
// that each lack one export (tests/win/feedback.cmake).
#include "service/FeedbackDll.h"

#include "WinTestSupport.h"

#include <gtest/gtest.h>

#include <cwchar>

namespace {

constexpr wchar_t kName[] = L"OstrelFeedbackInformation.dll";

std::wstring TestFolder() {
    return FolderOf(ThisProgram());
}

std::wstring VariantFolder(const wchar_t* pszMissing) {
    return TestFolder() + L"\\feedback-variants\\without-" + pszMissing;
}

std::wstring LoadedPath(HMODULE hModule) {
    wchar_t path[MAX_PATH * 2] = {};
    GetModuleFileNameW(hModule, path, MAX_PATH * 2);
    return path;
}

bool IsMapped(const std::wstring& strPath) {
    return GetModuleHandleW(strPath.c_str()) != nullptr;
}

} // namespace

TEST(FeedbackDll, LoadsTheLibraryBesideTheExecutableAndReleasesIt) {
    const std::wstring strExpected = TestFolder() + L"\\" + kName;
    CFeedbackDll dll;
    ASSERT_TRUE(dll.LoadFeedbackDll());
    EXPECT_EQ(dll.GetMissingExport(), nullptr);
    EXPECT_EQ(LoadedPath(dll.GetModule()), strExpected);
    EXPECT_EQ(dll.GetInterNetState(), 1);

    // A second load must not keep the first reference alive.
    ASSERT_TRUE(dll.LoadFeedbackDll());
    dll.FreeFeedbackDll();
    EXPECT_FALSE(dll.IsLoaded());
    EXPECT_FALSE(IsMapped(strExpected));
    // Calls after the release answer 0 instead of jumping into an unmapped library.
    EXPECT_EQ(dll.GetInterNetState(), 0);
    EXPECT_EQ(dll.GetToolIsNewVersion(L"10147", L"1.1.22.1017"), 0);
    dll.FreeFeedbackDll();
}

TEST(FeedbackDll, MissingLibraryFailsBeforeAnyLookup) {
    TempFolder empty;
    CFeedbackDll dll;
    EXPECT_FALSE(dll.LoadFeedbackDllFrom(empty.Path()));
    EXPECT_FALSE(dll.IsLoaded());
    EXPECT_EQ(dll.GetMissingExport(), nullptr);
    EXPECT_EQ(dll.OpenUseAgreementUrl(), 0);
}

TEST(FeedbackDll, StopsAtTheMissingExportAndUnloads) {
    for (const char* pszMissing : {"WriteCustomerFeedbackInfoFile", "OpenUseAgreementUrl"}) {
        SCOPED_TRACE(pszMissing);
        const std::wstring strFolder = VariantFolder(FromUtf8(pszMissing).c_str());
        ASSERT_NE(GetFileAttributesW((strFolder + L"\\" + kName).c_str()), INVALID_FILE_ATTRIBUTES);
        CFeedbackDll dll;
        EXPECT_FALSE(dll.LoadFeedbackDllFrom(strFolder));
        ASSERT_NE(dll.GetMissingExport(), nullptr);
        EXPECT_STREQ(dll.GetMissingExport(), pszMissing);
        EXPECT_FALSE(dll.IsLoaded());
        EXPECT_FALSE(IsMapped(strFolder + L"\\" + kName));
        BSTR info[FEEDBACK_INFO_COUNT] = {};
        EXPECT_EQ(dll.InitFreedbackDll(info), 0);
    }
}

// The tool runs elevated: a library planted in the current folder or on the search path must
// never stand in for a missing one.
TEST(FeedbackDll, NeverLoadsAPlantedLibrary) {
    TempFolder planted;
    TempFolder tool;
    ASSERT_TRUE(
        CopyFileW((TestFolder() + L"\\" + kName).c_str(), planted.File(kName).c_str(), FALSE));

    wchar_t cwd[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, cwd);
    std::wstring strPath(32767, L'\0');
    strPath.resize(GetEnvironmentVariableW(L"PATH", strPath.data(), 32767));
    ASSERT_TRUE(SetCurrentDirectoryW(planted.Path().c_str()));
    SetEnvironmentVariableW(L"PATH", (planted.Path() + L";" + strPath).c_str());

    CFeedbackDll dll;
    const BOOL bLoaded = dll.LoadFeedbackDllFrom(tool.Path());
    const bool bMapped = GetModuleHandleW(kName) != nullptr;
    dll.FreeFeedbackDll();

    SetCurrentDirectoryW(cwd);
    SetEnvironmentVariableW(L"PATH", strPath.c_str());
    EXPECT_FALSE(bLoaded);
    EXPECT_FALSE(bMapped);
}
