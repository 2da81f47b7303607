#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>

// A folder of its own for one test, removed with everything in it afterwards.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::wstring& Path() const { return m_path; }
    std::wstring File(const std::wstring& name) const { return m_path + L"\\" + name; }

private:
    std::wstring m_path;
};

void WriteBytes(const std::wstring& path, const std::string& bytes);
std::string ReadBytes(const std::wstring& path);
std::string ToCodePage(const std::wstring& text, UINT codePage);
std::wstring FromCodePage(const std::string& text, UINT codePage);
inline std::wstring FromUtf8(const std::string& text) {
    return FromCodePage(text, CP_UTF8);
}
std::wstring ThisProgram();
std::wstring FolderOf(const std::wstring& path);

// Runs body(0) … body(n − 1), each on a thread of its own, all released at the same moment;
// returns when every one has finished.
void RunTogether(int nThreads, const std::function<void(int)>& body);

// The line that makes this test program act as a child writing exact bytes:
// each step is "file:<path>" (written in one write) or "sleep:<ms>".
std::wstring EmitCommand(std::initializer_list<std::wstring> steps);
// Runs the emitter steps when the program was started for that; returns true if it was.
bool RunEmitterIfAsked(int argc, wchar_t** argv, int* pExitCode);

// A built Kelvane.exe whose resources a test reads: this build's own (variable null) or the
// one whose Unix path the named environment variable holds (the i686 release build).
struct BuiltExecutable {
    const char* variable;
    const char* architecture;
};
void PrintTo(const BuiltExecutable& executable, std::ostream* os);
std::wstring BuiltExecutablePath(const BuiltExecutable& executable);
#if defined(_WIN64)
inline const BuiltExecutable kBuiltExecutables[] = {{nullptr, "amd64"}, {"KELVANE_EXE_X86", "x86"}};
#else
// Run from the i686 tree, this build's own exe is the release build.
inline const BuiltExecutable kBuiltExecutables[] = {{"KELVANE_EXE_X86", "x86"}};
#endif

// Opens the executable of the test's parameter as a data file.
class BuiltExecutableTest : public testing::TestWithParam<BuiltExecutable> {
protected:
    void SetUp() override;
    void TearDown() override;
    // The raw bytes of a resource, empty when it is missing.
    std::string Resource(LPCWSTR type, LPCWSTR name) const;

    HMODULE m_hModule = nullptr;
};
