#include "log/LogFileHandle.h"

#include "log/LogTargetRule.h"

LogFileHandle::~LogFileHandle() {
    Close();
}

namespace {

bool IsReparsePoint(const std::wstring& strPath) {
    const DWORD attributes = GetFileAttributesW(strPath.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

std::wstring FolderOf(const std::wstring& strPath) {
    const std::wstring::size_type slash = strPath.find_last_of(L'\\');
    return slash == std::wstring::npos ? std::wstring(L".") : strPath.substr(0, slash);
}

std::wstring FinalPath(HANDLE hFile) {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetFinalPathNameByHandleW(hFile, path.data(),
                                                  static_cast<DWORD>(path.size()), VOLUME_NAME_DOS);
        if (n == 0) {
            return {};
        }
        if (n < path.size()) {
            path.resize(n);
            return path;
        }
        path.resize(n);
    }
}

std::wstring FullPath(const std::wstring& strPath) {
    const DWORD n = GetFullPathNameW(strPath.c_str(), 0, nullptr, nullptr);
    std::wstring full(n, L'\0');
    const DWORD written = n > 0 ? GetFullPathNameW(strPath.c_str(), n, full.data(), nullptr) : 0;
    full.resize(written < n ? written : 0);
    return full;
}

} // namespace

bool LogFileHandle::Open(const std::wstring& strPath) {
    Close();
    const bool bFolderIsLink = IsReparsePoint(FolderOf(strPath));
    if (bFolderIsLink || IsReparsePoint(strPath)) {
        return false;
    }
    // Not through a link put in place after the check: the link itself would be opened.
    m_hFile = CreateFileW(strPath.c_str(), GENERIC_READ | GENERIC_WRITE,
                          FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                          FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (!IsOpen()) {
        return false;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    const std::wstring requested = FullPath(strPath);
    const std::wstring final = FinalPath(m_hFile);
    LogTargetRule::OpenedFile opened;
    opened.bFolderIsReparsePoint = bFolderIsLink;
    if (GetFileInformationByHandle(m_hFile, &info)) {
        opened.bFileIsReparsePoint = (info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
        opened.nLinks = info.nNumberOfLinks;
    } else {
        opened.nLinks = 0xFFFFFFFF;
    }
    opened.requestedPath = requested;
    opened.finalPath = final;
    if (!LogTargetRule::MayAppend(opened)) {
        Close();
        return false;
    }
    return true;
}

void LogFileHandle::Close() {
    if (IsOpen()) {
        CloseHandle(m_hFile);
        m_hFile = INVALID_HANDLE_VALUE;
    }
}

bool LogFileHandle::Append(std::string_view bytes, std::uint64_t* pLength) {
    if (!IsOpen() || bytes.size() > MAXDWORD) {
        return false;
    }
    LARGE_INTEGER zero{};
    if (!SetFilePointerEx(m_hFile, zero, nullptr, FILE_END)) {
        return false;
    }
    DWORD nWritten = 0;
    const DWORD nSize = static_cast<DWORD>(bytes.size());
    if (!WriteFile(m_hFile, bytes.data(), nSize, &nWritten, nullptr) || nWritten != nSize) {
        return false;
    }
    LARGE_INTEGER length{};
    if (!GetFileSizeEx(m_hFile, &length)) {
        return false;
    }
    *pLength = static_cast<std::uint64_t>(length.QuadPart);
    return true;
}

void LogFileHandle::MoveToBackup(const std::wstring& strPath) {
    const std::wstring backup = LogBackupPath(strPath);
    if (LogTargetRule::MayRotate(IsReparsePoint(FolderOf(strPath)), IsReparsePoint(backup))) {
        MoveFileExW(strPath.c_str(), backup.c_str(), MOVEFILE_REPLACE_EXISTING);
    }
}

LogStamp LogFileHandle::LocalStamp() {
    SYSTEMTIME time{};
    GetLocalTime(&time);
    return LogStamp{time.wYear,   time.wMonth,  time.wDay,         time.wHour,
                    time.wMinute, time.wSecond, time.wMilliseconds};
}
