#include "WinTestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cwchar>
#include <vector>

namespace {

struct TogetherJob {
    HANDLE hStart;
    const std::function<void(int)>* pBody;
    int nIndex;
};

DWORD WINAPI TogetherThread(LPVOID pParam) {
    const auto* pJob = static_cast<const TogetherJob*>(pParam);
    WaitForSingleObject(pJob->hStart, INFINITE);
    (*pJob->pBody)(pJob->nIndex);
    return 0;
}

} // namespace

void RunTogether(int nThreads, const std::function<void(int)>& body) {
    HANDLE hStart = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::vector<TogetherJob> jobs(static_cast<std::size_t>(nThreads));
    std::vector<HANDLE> threads;
    for (int i = 0; i < nThreads; ++i) {
        jobs[static_cast<std::size_t>(i)] = TogetherJob{hStart, &body, i};
        HANDLE h = CreateThread(nullptr, 0, TogetherThread, &jobs[static_cast<std::size_t>(i)], 0,
                                nullptr);
        if (h == nullptr) {
            ADD_FAILURE() << "thread " << i << " could not start";
            continue;
        }
        threads.push_back(h);
    }
    SetEvent(hStart);
    WaitForMultipleObjects(static_cast<DWORD>(threads.size()), threads.data(), TRUE, INFINITE);
    for (HANDLE h : threads) {
        CloseHandle(h);
    }
    CloseHandle(hStart);
}

TempFolder::TempFolder() {
    wchar_t base[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, base);
    static LONG s_nSerial = 0;
    const std::wstring stem = std::wstring(base) + L"kelvane-" +
                              std::to_wstring(GetCurrentProcessId()) + L"-" +
                              std::to_wstring(InterlockedIncrement(&s_nSerial));
    m_path = stem;
    CreateDirectoryW(m_path.c_str(), nullptr);
}

TempFolder::~TempFolder() {
    // SHFileOperation would pull in the shell; a flat folder is all tests make.
    WIN32_FIND_DATAW data{};
    HANDLE h = FindFirstFileW((m_path + L"\\*").c_str(), &data);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            if (wcscmp(data.cFileName, L".") != 0 && wcscmp(data.cFileName, L"..") != 0) {
                DeleteFileW(File(data.cFileName).c_str());
            }
        } while (FindNextFileW(h, &data));
        FindClose(h);
    }
    RemoveDirectoryW(m_path.c_str());
}

void WriteBytes(const std::wstring& path, const std::string& bytes) {
    HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(h);
    ASSERT_EQ(written, bytes.size());
}

std::string ReadBytes(const std::wstring& path) {
    HANDLE h = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        return {};
    }
    std::string bytes;
    char buffer[4096];
    DWORD n = 0;
    while (ReadFile(h, buffer, sizeof(buffer), &n, nullptr) && n > 0) {
        bytes.append(buffer, n);
    }
    CloseHandle(h);
    return bytes;
}

std::string ToCodePage(const std::wstring& text, UINT codePage) {
    const int n = WideCharToMultiByte(codePage, 0, text.c_str(), static_cast<int>(text.size()),
                                      nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(codePage, 0, text.c_str(), static_cast<int>(text.size()), out.data(), n,
                        nullptr, nullptr);
    return out;
}

std::wstring FromCodePage(const std::string& text, UINT codePage) {
    const int n =
        MultiByteToWideChar(codePage, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring out(static_cast<std::size_t>(n > 0 ? n : 0), L'\0');
    MultiByteToWideChar(codePage, 0, text.c_str(), static_cast<int>(text.size()), out.data(), n);
    return out;
}

std::wstring ThisProgram() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return path;
}

std::wstring FolderOf(const std::wstring& path) {
    return path.substr(0, path.find_last_of(L"\\/"));
}

std::wstring EmitCommand(std::initializer_list<std::wstring> steps) {
    // cmd /C drops the first and last quote of a line that starts with one: wrap it whole.
    std::wstring command = L"\"\"" + ThisProgram() + L"\" --emit";
    for (const std::wstring& step : steps) {
        command += L" \"" + step + L"\"";
    }
    return command + L"\"";
}

bool RunEmitterIfAsked(int argc, wchar_t** argv, int* pExitCode) {
    if (argc < 2 || wcscmp(argv[1], L"--emit") != 0) {
        return false;
    }
    HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    *pExitCode = 0;
    for (int i = 2; i < argc; ++i) {
        const std::wstring step = argv[i];
        if (step.rfind(L"sleep:", 0) == 0) {
            Sleep(static_cast<DWORD>(std::wcstoul(step.c_str() + 6, nullptr, 10)));
        } else if (step.rfind(L"file:", 0) == 0) {
            const std::string bytes = ReadBytes(step.substr(5));
            DWORD written = 0;
            WriteFile(out, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        } else {
            *pExitCode = 2;
        }
    }
    return true;
}

void PrintTo(const BuiltExecutable& executable, std::ostream* os) {
    *os << executable.architecture;
}

std::wstring BuiltExecutablePath(const BuiltExecutable& executable) {
    if (executable.variable == nullptr) {
        // This build's own: <build>/tests/win/<test>.exe beside <build>/bin/Kelvane.exe.
        return FolderOf(FolderOf(FolderOf(ThisProgram()))) + L"\\bin\\Kelvane.exe";
    }
    const char* unixPath = std::getenv(executable.variable);
    if (unixPath == nullptr) {
        return {};
    }
    std::wstring path = L"Z:" + FromUtf8(unixPath);
    for (wchar_t& c : path) {
        c = c == L'/' ? L'\\' : c;
    }
    return path;
}

void BuiltExecutableTest::SetUp() {
    const std::wstring path = BuiltExecutablePath(GetParam());
    ASSERT_FALSE(path.empty()) << GetParam().variable << " not set";
    m_hModule = LoadLibraryExW(path.c_str(), nullptr,
                               LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(m_hModule, nullptr) << "cannot open " << testing::PrintToString(path);
}

void BuiltExecutableTest::TearDown() {
    if (m_hModule != nullptr) {
        FreeLibrary(m_hModule);
    }
}

std::string BuiltExecutableTest::Resource(LPCWSTR type, LPCWSTR name) const {
    HRSRC hInfo = FindResourceW(m_hModule, name, type);
    if (hInfo == nullptr) {
        return {};
    }
    HGLOBAL hData = LoadResource(m_hModule, hInfo);
    const auto* p = static_cast<const char*>(LockResource(hData));
    return p != nullptr ? std::string(p, SizeofResource(m_hModule, hInfo)) : std::string();
}
