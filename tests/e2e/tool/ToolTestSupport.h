#pragma once

// The real Kelvane.exe for the end-to-end tests: unpacked into a fresh folder with our feedback
// library, started on a desktop of its own and found among the windows.
#include "SkinTestSupport.h"
#include "UiDebugOutput.h"
#include "WinTestSupport.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

// A fresh folder holding the tool as a user unpacks it, beside (not in) it the library's call
// journal and a current folder for the tool. The library opens no address.
class ToolFolder {
public:
    struct Options {
        bool bLibrary = true;
        // The library variant that imports a helper DLL lying beside it.
        bool bWithHelper = false;
        // Lines of the library's [Results] section, e.g. L"GetToolIsNewVersion=3".
        std::vector<std::wstring> results;
        // Programs planted beside the tool and in its current folder, to show they never run.
        bool bPlanted = false;
        // Where the tool goes instead of a fresh folder "Kelvane" (made when missing).
        std::wstring folder;

        Options& WithoutLibrary() {
            bLibrary = false;
            return *this;
        }
        Options& WithHelper() {
            bWithHelper = true;
            return *this;
        }
        Options& Result(std::wstring line) {
            results.push_back(std::move(line));
            return *this;
        }
        Options& Planted() {
            bPlanted = true;
            return *this;
        }
        Options& In(std::wstring path) {
            folder = std::move(path);
            return *this;
        }
    };

    explicit ToolFolder(const Options& options);
    ToolFolder() : ToolFolder(Options{}) {}

    const std::wstring& Folder() const { return m_folder; }
    // A folder beside the tool's, for what must survive it.
    std::wstring Beside(const std::wstring& name) const { return m_root.File(name); }
    std::wstring Exe() const { return m_folder + L"\\Kelvane.exe"; }
    const std::wstring& CurrentFolder() const { return m_cwd; }
    bool Exists() const;
    // Whether the tool's own files are still there.
    bool HasToolFiles() const;
    // The library's calls so far, one line each ("Export\targ…\t=result…").
    std::vector<std::string> Calls() const;
    int CallCount(const std::string& exportName) const;
    // What the system-command stand-ins and planted programs recorded, by program name.
    std::vector<std::string> FixtureCalls(const std::string& program) const;

private:
    TempFolder m_root;
    std::wstring m_folder;
    std::wstring m_cwd;
    std::wstring m_journal;
};

bool PathExists(const std::wstring& path);
// Waits for the removal the tool starts when it ends (three seconds, then the command).
bool WaitUntilGone(const std::wstring& path, DWORD timeoutMs = 15000);

// The taskbar size value the tool writes, nothing when it is missing.
std::optional<DWORD> TaskbarSi(const wchar_t* pszName = L"TaskbarSi");
void SetTaskbarSi(DWORD value);

// The failure log file of that name in the machine-wide log folder.
std::wstring ToolLogFile(const std::wstring& name);
// The one record a file holds: GBK text after the time stamp; "" when the file holds anything
// else (no record, several, another format).
std::wstring OnlyLogRecord(const std::wstring& file);

// The tool under test: its shell and panel, and its message prompts when one is up. When the test
// has failed, it prints what the tool told of its failures: the records it added to the failure
// logs, and what it wrote for a debugger (how a size change's command ended).
class ToolRun {
public:
    ToolRun();
    ~ToolRun();
    ToolRun(const ToolRun&) = delete;
    ToolRun& operator=(const ToolRun&) = delete;

    void Start(const ToolFolder& folder);
    // The shell and its panel are up, settled, and the version check has had its moment.
    testing::AssertionResult WaitForPanel();
    // A message prompt of the tool: its content (holding the text) and frame; null on time-out.
    SkinWindow WaitForPrompt(DWORD timeoutMs = SkinSession::kStartMs) const;
    std::wstring PromptText(const SkinWindow& prompt) const;
    // Answers a prompt with its first (确认, 是) or second (取消, 否) button and waits until
    // it has gone.
    void Answer(const SkinWindow& prompt, bool bFirst) const;
    // The working prompt's content once it is up; null when it did not come.
    HWND WaitForWorkingPrompt(DWORD timeoutMs = SkinSession::kStartMs) const;
    // The feedback dialog's content once it is up.
    HWND WaitForFeedback(DWORD timeoutMs = SkinSession::kStartMs) const;
    // A point of the panel's control, design pixels from its top-left.
    POINT At(int nId, int x, int y) const;
    POINT Centre(int nId) const;
    std::optional<DWORD> WaitForExit(DWORD timeoutMs = 15000) const;

    HWND Shell() const { return session.window.hFrame; }
    HWND Panel() const { return session.window.hContent; }
    UiDriver& Ui() const { return *session.ui; }

    SkinSession session;

private:
    void WaitUntilSettled(const SkinWindow& window, const FramePairMetrics& pair) const;

    UiDebugOutput m_debugOutput;
    // Each failure log's size before the run, so only the run's own records are shown.
    std::vector<std::pair<std::wstring, std::size_t>> m_logSizes;
};
