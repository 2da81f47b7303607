// After the restriction a library beside the program is found by its full path only. Each
// Windows test runs in a process of its own, so the restriction stays in this one.
#include "app/LibrarySearch.h"
#include "service/FeedbackDll.h"

#include <gtest/gtest.h>

TEST(LibrarySearch, OnlyAFullPathReachesTheProgramsFolder) {
    // The stand-in library lies beside this program (tests/win/feedback.cmake).
    HMODULE hByName = LoadLibraryW(L"OstrelFeedbackInformation.dll");
    ASSERT_NE(hByName, nullptr) << "found by name before the restriction";
    FreeLibrary(hByName);

    ASSERT_TRUE(RestrictLibrarySearch());
    EXPECT_EQ(LoadLibraryW(L"OstrelFeedbackInformation.dll"), nullptr);
    CFeedbackDll library;
    EXPECT_TRUE(library.LoadFeedbackDll()) << "by its full path";
    EXPECT_NE(LoadLibraryW(L"version.dll"), nullptr) << "System32 still serves";
    // The whole-suite run of the i686 tree shares this process with later tests.
    using SetFn = BOOL(WINAPI*)(DWORD);
    reinterpret_cast<SetFn>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories")))(
        LOAD_LIBRARY_SEARCH_DEFAULT_DIRS);
}
