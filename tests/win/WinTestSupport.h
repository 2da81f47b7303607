#pragma once

#include <windows.h>

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
std::wstring FromUtf8(const std::string& text);
std::wstring ThisProgram();
std::wstring FolderOf(const std::wstring& path);

// The line that makes this test program act as a child writing exact bytes:
// each step is "file:<path>" (written in one write) or "sleep:<ms>".
std::wstring EmitCommand(std::initializer_list<std::wstring> steps);
// Runs the emitter steps when the program was started for that; returns true if it was.
bool RunEmitterIfAsked(int argc, wchar_t** argv, int* pExitCode);
