#include "ToolTestSupport.h"

#include "res/resource.h"

#include <shlobj.h>

#include <algorithm>
#include <cstdio>
#include <sstream>

namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (!line.empty()) {
            lines.push_back(line);
        }
    }
    return lines;
}

void Copy(const std::wstring& from, const std::wstring& to) {
    EXPECT_TRUE(CopyFileW(from.c_str(), to.c_str(), FALSE)) << testing::PrintToString(to);
}

void Plant(const std::wstring& folder) {
    const std::wstring planted = BuiltProgram(L"../tests/fixtures/planted.exe");
    for (const wchar_t* name : {L"cmd.exe", L"reg.exe", L"WMIC.exe", L"timeout.exe"}) {
        Copy(planted, folder + L"\\" + name);
    }
}

} // namespace

namespace {

// A test the tool's restart ends names a journal outside the prefix, for its runner to read.
std::wstring JournalPath(const TempFolder& root) {
    wchar_t path[MAX_PATH] = {};
    const DWORD n = GetEnvironmentVariableW(L"KELVANE_LIBRARY_JOURNAL", path, MAX_PATH);
    return n > 0 && n < MAX_PATH ? std::wstring(path) : root.File(L"library.txt");
}

// The build under test, from this tree's bin folder or the one KELVANE_TOOL_BIN names (the i686
// release build's); its library is the test build beside that folder.
std::wstring ToolBinary(const std::wstring& relative) {
    wchar_t bin[MAX_PATH] = {};
    const DWORD n = GetEnvironmentVariableW(L"KELVANE_TOOL_BIN", bin, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) {
        return BuiltProgram(relative);
    }
    std::wstring path = std::wstring(bin) + L"\\" + relative;
    std::replace(path.begin(), path.end(), L'/', L'\\');
    return path;
}

} // namespace

ToolFolder::ToolFolder(const Options& options)
    : m_folder(options.folder.empty() ? m_root.File(L"Kelvane") : options.folder),
      m_cwd(m_root.File(L"cwd")), m_journal(JournalPath(m_root)) {
    if (!m_folder.empty() && m_folder.back() == L'\\') {
        m_folder.pop_back();
    }
    CreateDirectoryW(m_folder.c_str(), nullptr);
    CreateDirectoryW(m_cwd.c_str(), nullptr);
    Copy(ToolBinary(L"Kelvane.exe"), Exe());
    if (options.bLibrary) {
        const std::wstring dll = m_folder + L"\\OstrelFeedbackInformation.dll";
        const std::wstring from =
            options.bWithHelper ? L"../test-library/with-helper/" : L"../test-library/";
        Copy(ToolBinary(from + L"OstrelFeedbackInformation.dll"), dll);
        if (options.bWithHelper) {
            Copy(ToolBinary(from + L"OstrelFeedbackHelper.dll"),
                 m_folder + L"\\OstrelFeedbackHelper.dll");
        }
        std::wstring ini = L"\xFEFF[Settings]\r\nOpenAddresses=0\r\nJournal=" + m_journal +
                           L"\r\nFeedbackFile=" + m_root.File(L"feedback.txt") +
                           L"\r\n[Results]\r\n";
        for (const std::wstring& line : options.results) {
            ini += line + L"\r\n";
        }
        // Outside the folder, which the tool removes when it ends.
        const std::wstring iniPath = m_root.File(L"library.ini");
        WriteBytes(iniPath, std::string(reinterpret_cast<const char*>(ini.data()),
                                        ini.size() * sizeof(wchar_t)));
        SetEnvironmentVariableW(L"KELVANE_FEEDBACK_INI", iniPath.c_str());
    }
    if (options.bPlanted) {
        Plant(m_folder);
        Plant(m_cwd);
    }
    SetEnvironmentVariableW(L"KELVANE_FIXTURE_JOURNAL", m_root.File(L"fixtures.txt").c_str());
}

bool ToolFolder::Exists() const {
    return PathExists(m_folder);
}

bool ToolFolder::HasToolFiles() const {
    return PathExists(Exe()) || PathExists(m_folder + L"\\OstrelFeedbackInformation.dll");
}

bool PathExists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool WaitUntilGone(const std::wstring& path, DWORD timeoutMs) {
    return UiDriver::WaitFor([&] { return !PathExists(path); }, timeoutMs);
}

namespace {

constexpr wchar_t kAdvancedKey[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced";

} // namespace

std::optional<DWORD> TaskbarSi(const wchar_t* pszName) {
    DWORD value = 0;
    DWORD size = sizeof(value);
    if (RegGetValueW(HKEY_CURRENT_USER, kAdvancedKey, pszName, RRF_RT_REG_DWORD, nullptr, &value,
                     &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return value;
}

void SetTaskbarSi(DWORD value) {
    EXPECT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, kAdvancedKey, L"TaskbarSi", REG_DWORD, &value,
                              sizeof(value)),
              ERROR_SUCCESS);
}

std::vector<std::string> ToolFolder::Calls() const {
    return Lines(ReadBytes(m_journal));
}

int ToolFolder::CallCount(const std::string& exportName) const {
    const std::vector<std::string> calls = Calls();
    return static_cast<int>(std::count_if(calls.begin(), calls.end(), [&](const std::string& c) {
        return c.rfind(exportName + "\t", 0) == 0;
    }));
}

std::vector<std::string> ToolFolder::FixtureCalls(const std::string& program) const {
    std::vector<std::string> calls;
    for (const std::string& line : Lines(ReadBytes(m_root.File(L"fixtures.txt")))) {
        if (line.rfind(program + "\t", 0) == 0) {
            calls.push_back(line);
        }
    }
    return calls;
}

std::wstring ToolLogFile(const std::wstring& name) {
    wchar_t folder[MAX_PATH] = {};
    SHGetSpecialFolderPathW(nullptr, folder, CSIDL_COMMON_APPDATA, FALSE);
    return std::wstring(folder) + L"\\ToolLog\\" + name;
}

namespace {

constexpr const wchar_t* kLogFiles[] = {L"Dorrin.txt", L"Kelvane.txt"};

} // namespace

std::wstring OnlyLogRecord(const std::wstring& file) {
    const std::string bytes = ReadBytes(file);
    const std::size_t stamp = bytes.find("]   ");
    if (bytes.empty() || bytes[0] != '[' || stamp == std::string::npos || bytes.size() < 2 ||
        bytes.compare(bytes.size() - 2, 2, "\r\n") != 0 || bytes.find("\r\n") != bytes.size() - 2) {
        return L"";
    }
    return FromCodePage(bytes.substr(stamp + 4, bytes.size() - 2 - stamp - 4), 936);
}

namespace {

HWND WaitForContentWith(const UiDriver& ui, int nId, DWORD timeoutMs) {
    return ui.WaitForWindow([&](HWND hWnd) { return UiDriver::FindControl(hWnd, nId) != nullptr; },
                            timeoutMs);
}

} // namespace

ToolRun::ToolRun() : session(L"KelvaneTool") {
    for (const wchar_t* pszFile : kLogFiles) {
        m_logSizes.emplace_back(pszFile, ReadBytes(ToolLogFile(pszFile)).size());
    }
}

ToolRun::~ToolRun() {
    if (!testing::Test::HasFailure()) {
        return;
    }
    std::wstring told;
    for (const auto& [file, size] : m_logSizes) {
        const std::string bytes = ReadBytes(ToolLogFile(file));
        if (bytes.size() > size) {
            told += L"  " + file + L":\n" + FromCodePage(bytes.substr(size), 936);
        }
    }
    if (session.process) {
        for (const std::wstring& text : m_debugOutput.From(session.process->Id())) {
            told += L"  for a debugger: " + text + L"\n";
        }
    }
    if (!m_debugOutput.IsListening()) {
        told += L"  (its debug output was not heard: another monitor was listening)\n";
    }
    const std::string utf8 = ToCodePage(
        L"What the tool told of its failures:\n" + (told.empty() ? L"  nothing\n" : told), CP_UTF8);
    std::fwrite(utf8.data(), 1, utf8.size(), stdout);
    std::fflush(stdout);
}

void ToolRun::Start(const ToolFolder& folder) {
    session.Start(folder.Exe(), L"", folder.CurrentFolder());
}

testing::AssertionResult ToolRun::WaitForPanel() {
    testing::AssertionResult result = session.WaitForSkin(kShellPair);
    if (result) {
        // The version check runs 100 ms after the panel's initialisation.
        Sleep(500);
    }
    return result;
}

SkinWindow ToolRun::WaitForPrompt(DWORD timeoutMs) const {
    const HWND hContent = WaitForContentWith(*session.ui, IDC_STATIC_PROMPT_TEXT, timeoutMs);
    if (hContent == nullptr) {
        return {};
    }
    const SkinWindow prompt{UiDriver::Owner(hContent), hContent};
    WaitUntilSettled(prompt, kPromptPair);
    return prompt;
}

std::wstring ToolRun::PromptText(const SkinWindow& prompt) const {
    return session.ui->Text(prompt.hContent, IDC_STATIC_PROMPT_TEXT);
}

void ToolRun::Answer(const SkinWindow& prompt, bool bFirst) const {
    session.ui->Click(prompt.hContent, bFirst ? IDC_BUTTON_PROMPT_OK : IDC_BUTTON_PROMPT_CANCEL);
    EXPECT_TRUE(session.ui->WaitForGone(prompt.hContent, SkinSession::kSettleMs));
}

HWND ToolRun::WaitForWorkingPrompt(DWORD timeoutMs) const {
    return WaitForContentWith(*session.ui, IDC_STATIC_STATE, timeoutMs);
}

HWND ToolRun::WaitForFeedback(DWORD timeoutMs) const {
    const HWND hContent = WaitForContentWith(*session.ui, IDC_BUTTON_SOLVED, timeoutMs);
    if (hContent != nullptr) {
        WaitUntilSettled({UiDriver::Owner(hContent), hContent}, kFeedbackPair);
    }
    return hContent;
}

void ToolRun::WaitUntilSettled(const SkinWindow& window, const FramePairMetrics& pair) const {
    // Centred over its owner after creation, the frame shows its content once more when it
    // comes up: a click in between would be lost.
    const auto settled = [&] { return IsSettled(window, pair, session.fScale); };
    UiDriver::WaitFor(settled, SkinSession::kSettleMs);
    Sleep(300);
    UiDriver::WaitFor(settled, SkinSession::kSettleMs);
}

POINT ToolRun::At(int nId, int x, int y) const {
    const RECT rc = UiDriver::ScreenRect(Panel(), nId);
    return {rc.left + session.Scale(x), rc.top + session.Scale(y)};
}

POINT ToolRun::Centre(int nId) const {
    const RECT rc = UiDriver::ScreenRect(Panel(), nId);
    return {(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
}

std::optional<DWORD> ToolRun::WaitForExit(DWORD timeoutMs) const {
    return session.process->WaitForExit(timeoutMs);
}
