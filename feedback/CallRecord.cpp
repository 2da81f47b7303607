#include "CallRecord.h"

#include <cwchar>

namespace {

void CreateFolderOf(const std::wstring& strPath) {
    const std::wstring::size_type slash = strPath.find_last_of(L"\\/");
    if (slash == std::wstring::npos || slash == 0) {
        return;
    }
    const std::wstring strFolder = strPath.substr(0, slash);
    if (GetFileAttributesW(strFolder.c_str()) != INVALID_FILE_ATTRIBUTES) {
        return;
    }
    CreateFolderOf(strFolder);
    CreateDirectoryW(strFolder.c_str(), nullptr);
}

} // namespace

std::string ToUtf8(const std::wstring& str) {
    if (str.empty()) {
        return {};
    }
    const int n = WideCharToMultiByte(CP_UTF8, 0, str.data(), static_cast<int>(str.size()), nullptr,
                                      0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(n > 0 ? n : 0), '\0');
    if (n > 0) {
        WideCharToMultiByte(CP_UTF8, 0, str.data(), static_cast<int>(str.size()), out.data(), n,
                            nullptr, nullptr);
    }
    return out;
}

void CCallRecord::Separate() {
    if (!m_bFirst) {
        m_strLine += L'\t';
    }
    m_bFirst = false;
}

CCallRecord& CCallRecord::Text(const wchar_t* psz) {
    Separate();
    if (psz == nullptr) {
        m_strLine += L"\\0";
        return *this;
    }
    for (; *psz != L'\0'; ++psz) {
        const wchar_t c = *psz;
        switch (c) {
        case L'\\':
            m_strLine += L"\\\\";
            break;
        case L'\t':
            m_strLine += L"\\t";
            break;
        case L'\r':
            m_strLine += L"\\r";
            break;
        case L'\n':
            m_strLine += L"\\n";
            break;
        default:
            if (c < 0x20 || c == 0x7F) {
                wchar_t hex[8] = {};
                swprintf(hex, 8, L"\\x%02X", static_cast<unsigned>(c));
                m_strLine += hex;
            } else {
                m_strLine += c;
            }
        }
    }
    return *this;
}

CCallRecord& CCallRecord::Number(long long n) {
    return Raw(std::to_wstring(n));
}

CCallRecord& CCallRecord::Raw(const std::wstring& str) {
    Separate();
    m_strLine += str;
    return *this;
}

bool CCallRecord::AppendTo(const std::wstring& strPath) const {
    if (strPath.empty()) {
        return false;
    }
    CreateFolderOf(strPath);
    const std::string bytes = ToUtf8(m_strLine + L"\r\n");
    for (int attempt = 0; attempt < 100; ++attempt) {
        HANDLE h = CreateFileW(strPath.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr,
                               OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h != INVALID_HANDLE_VALUE) {
            DWORD written = 0;
            const BOOL bWritten =
                WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
            CloseHandle(h);
            return bWritten && written == bytes.size();
        }
        const DWORD error = GetLastError();
        if (error != ERROR_SHARING_VIOLATION && error != ERROR_LOCK_VIOLATION) {
            return false;
        }
        Sleep(10);
    }
    return false;
}
