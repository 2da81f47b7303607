// The shipped executables carry what Windows reads before any of our code runs.
#include "WinTestSupport.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>

namespace {

using ExecutableResources = BuiltExecutableTest;

} // namespace

TEST_P(ExecutableResources, ManifestAsksForAdministratorDpiAwarenessAndCommonControls6) {
    const std::string manifest = Resource(RT_MANIFEST, MAKEINTRESOURCEW(1));
    ASSERT_FALSE(manifest.empty());
    EXPECT_NE(manifest.find(R"(level="requireAdministrator")"), std::string::npos);
    EXPECT_NE(manifest.find(R"(uiAccess="false")"), std::string::npos);
    EXPECT_NE(manifest.find(">true</dpiAware>"), std::string::npos);
    const std::string controls =
        R"(name="Microsoft.Windows.Common-Controls" version="6.0.0.0" processorArchitecture=")" +
        std::string(GetParam().architecture) + "\"";
    EXPECT_NE(manifest.find(controls), std::string::npos) << manifest;
}

TEST_P(ExecutableResources, VersionIs1_1_22_1017) {
    const std::string block = Resource(RT_VERSION, MAKEINTRESOURCEW(VS_VERSION_INFO));
    ASSERT_GT(block.size(), 40u + sizeof(VS_FIXEDFILEINFO));
    // VS_FIXEDFILEINFO follows the block header and key, aligned to 32 bits.
    const auto signature = block.find(std::string("\xBD\x04\xEF\xFE", 4));
    ASSERT_NE(signature, std::string::npos);
    VS_FIXEDFILEINFO info{};
    std::memcpy(&info, block.data() + signature, sizeof(info));
    EXPECT_EQ(info.dwFileVersionMS, (1u << 16) | 1u);
    EXPECT_EQ(info.dwFileVersionLS, (22u << 16) | 1017u);
    EXPECT_EQ(info.dwProductVersionMS, (1u << 16) | 1u);
    EXPECT_EQ(info.dwProductVersionLS, (22u << 16) | 1017u);
    const std::wstring text(reinterpret_cast<const wchar_t*>(block.data()),
                            block.size() / sizeof(wchar_t));
    // The value follows its key after alignment padding.
    const auto key = text.find(std::wstring(L"FileVersion") + L'\0');
    ASSERT_NE(key, std::wstring::npos);
    EXPECT_EQ(text.find(L"1.1.22.1017", key), text.find_first_not_of(L'\0', key + 12));
}

TEST_P(ExecutableResources, Icon128HoldsEverySizeFrom16To256) {
    const std::string group = Resource(RT_GROUP_ICON, MAKEINTRESOURCEW(128));
    ASSERT_GE(group.size(), 6u);
    const auto count = static_cast<unsigned char>(group[4]) | static_cast<unsigned char>(group[5])
                                                                  << 8;
    ASSERT_EQ(group.size(), 6u + 14u * count);
    std::set<int> sizes;
    for (int i = 0; i < count; ++i) {
        const int width = static_cast<unsigned char>(group[6 + 14 * i]);
        sizes.insert(width == 0 ? 256 : width);
    }
    EXPECT_EQ(sizes, (std::set<int>{16, 24, 32, 48, 64, 128, 256}));
}

TEST_P(ExecutableResources, AboutEntryText) {
    wchar_t text[128] = {};
    ASSERT_GT(LoadStringW(m_hModule, 101, text, 128), 0);
    EXPECT_STREQ(text, L"关于 VandrellKelvane(&A)...");
}

namespace {

template <class T> T At(const std::string& bytes, std::size_t offset) {
    T value{};
    if (offset + sizeof(T) <= bytes.size()) {
        std::memcpy(&value, bytes.data() + offset, sizeof(T));
    }
    return value;
}

} // namespace

// Windows resolves the executable's imports before any of our code runs, searching its folder
// first unless the load configuration says otherwise. Wine loads its own DLLs whatever the
// folder holds, so a planted DLL cannot show the difference here: the header has to.
TEST_P(ExecutableResources, LoadConfigurationLimitsImportedLibrariesToSystem32) {
    const std::string image = ReadBytes(BuiltExecutablePath(GetParam()));
    const auto pe = At<DWORD>(image, 0x3C);
    ASSERT_EQ(At<DWORD>(image, pe), 0x00004550u) << "a PE file";
    const std::size_t optional = pe + 24;
    const bool bWide = At<WORD>(image, optional) == IMAGE_NT_OPTIONAL_HDR64_MAGIC;
    const std::size_t entry = optional + (bWide ? 112 : 96) + 8 * IMAGE_DIRECTORY_ENTRY_LOAD_CONFIG;
    const DWORD rva = At<DWORD>(image, entry);
    const DWORD size = At<DWORD>(image, entry + 4);
    ASSERT_NE(rva, 0u) << "the header names a load configuration";
    // The configuration's bytes, through the section holding it.
    const std::size_t sections = optional + At<WORD>(image, pe + 20);
    std::size_t offset = 0;
    for (WORD i = 0; i < At<WORD>(image, pe + 6); ++i) {
        const auto section = At<IMAGE_SECTION_HEADER>(image, sections + 40 * i);
        if (rva >= section.VirtualAddress && rva < section.VirtualAddress + section.SizeOfRawData) {
            offset = section.PointerToRawData + rva - section.VirtualAddress;
        }
    }
    ASSERT_NE(offset, 0u);
    EXPECT_EQ(At<DWORD>(image, offset), size) << "its size as the header gives it";
    const std::size_t flags = bWide ? offsetof(IMAGE_LOAD_CONFIG_DIRECTORY64, Reserved1)
                                    : offsetof(IMAGE_LOAD_CONFIG_DIRECTORY32, Reserved1);
    EXPECT_GT(size, flags) << "large enough to hold the dependent-load flags";
    EXPECT_EQ(At<WORD>(image, offset + flags), LOAD_LIBRARY_SEARCH_SYSTEM32);
}

// The library shipped beside it has no configuration. An import by name leaves the name in the
// file: the shipped library names no ini reader anywhere.
TEST_P(ExecutableResources, TheShippedLibraryImportsNoIniReader) {
    const std::string dll =
        ReadBytes(FolderOf(BuiltExecutablePath(GetParam())) + L"\\OstrelFeedbackInformation.dll");
    EXPECT_NE(dll.find("SysAllocString"), std::string::npos) << "its imports are named";
    EXPECT_EQ(dll.find("PrivateProfile"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Builds, ExecutableResources, testing::ValuesIn(kBuiltExecutables),
                         [](const auto& param) { return std::string(param.param.architecture); });
