#include "UiDebugOutput.h"

#include <cstring>

namespace {

// The buffer's layout: the writer's process id, then its text in the ANSI code page.
constexpr DWORD kBufferBytes = 4096;

} // namespace

UiDebugOutput::UiDebugOutput() {
    m_hMapping = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, kBufferBytes,
                                    L"DBWIN_BUFFER");
    if (m_hMapping == nullptr || GetLastError() == ERROR_ALREADY_EXISTS) {
        return; // another monitor has it
    }
    m_pBuffer = static_cast<const char*>(MapViewOfFile(m_hMapping, FILE_MAP_READ, 0, 0, 0));
    m_hBufferReady = CreateEventW(nullptr, FALSE, FALSE, L"DBWIN_BUFFER_READY");
    m_hDataReady = CreateEventW(nullptr, FALSE, FALSE, L"DBWIN_DATA_READY");
    m_hStop = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (m_pBuffer != nullptr && m_hBufferReady != nullptr && m_hDataReady != nullptr &&
        m_hStop != nullptr) {
        m_hThread = CreateThread(nullptr, 0, ListenProc, this, 0, nullptr);
    }
}

UiDebugOutput::~UiDebugOutput() {
    if (m_hThread != nullptr) {
        SetEvent(m_hStop);
        WaitForSingleObject(m_hThread, INFINITE);
        CloseHandle(m_hThread);
    }
    if (m_pBuffer != nullptr) {
        UnmapViewOfFile(m_pBuffer);
    }
    for (HANDLE h : {m_hStop, m_hDataReady, m_hBufferReady, m_hMapping}) {
        if (h != nullptr) {
            CloseHandle(h);
        }
    }
}

std::vector<std::wstring> UiDebugOutput::From(DWORD processId) const {
    std::lock_guard<std::mutex> lock(m_mutex);
    std::vector<std::wstring> strings;
    for (const auto& [id, text] : m_strings) {
        if (id == processId) {
            strings.push_back(text);
        }
    }
    return strings;
}

DWORD WINAPI UiDebugOutput::ListenProc(LPVOID pParam) {
    static_cast<UiDebugOutput*>(pParam)->Listen();
    return 0;
}

void UiDebugOutput::Listen() {
    const HANDLE handles[] = {m_hStop, m_hDataReady};
    for (;;) {
        SetEvent(m_hBufferReady);
        if (WaitForMultipleObjects(2, handles, FALSE, INFINITE) != WAIT_OBJECT_0 + 1) {
            return;
        }
        DWORD processId = 0;
        std::memcpy(&processId, m_pBuffer, sizeof(processId));
        const char* pText = m_pBuffer + sizeof(processId);
        const int nBytes = static_cast<int>(strnlen(pText, kBufferBytes - sizeof(processId)));
        const int nChars = MultiByteToWideChar(CP_ACP, 0, pText, nBytes, nullptr, 0);
        std::wstring text(static_cast<std::size_t>(nChars > 0 ? nChars : 0), L'\0');
        MultiByteToWideChar(CP_ACP, 0, pText, nBytes, text.data(), nChars);
        std::lock_guard<std::mutex> lock(m_mutex);
        m_strings.emplace_back(processId, std::move(text));
    }
}
