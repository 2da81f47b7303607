#include "log/LogSave.h"

#include "log/LogConfigRule.h"
#include "log/LogSaveCloseFile.h"
#include "log/LogSaveOpenFile.h"

#include <windows.h>
#include <shlobj.h>

#include <new>
#include <utility>

namespace {

// 1 keeps every log file open across records; anything else opens and closes per record.
constexpr int kLogSaverKind = 0;

} // namespace

CLogSave::CLogSave() : CLogSave(GetCommonAppDataDir()) {}

CLogSave::CLogSave(std::wstring strBaseDir) : m_strLogDir(strBaseDir + L"ToolLog") {
    // Only the last level is made: the base folder is the system's. An entry of that name
    // counts even when it is a file; records then fail to open and are dropped.
    WIN32_FIND_DATAW data{};
    HANDLE hFind = FindFirstFileW(m_strLogDir.c_str(), &data);
    if (hFind == INVALID_HANDLE_VALUE) {
        CreateDirectoryW(m_strLogDir.c_str(), nullptr);
    } else {
        FindClose(hFind);
    }
    m_strLogDir += L'\\';

    const std::wstring strValue =
        ReadConfigString(std::move(strBaseDir) + L"logCfg.ini", L"Log", L"print", L"-1");
    m_bPrint = LogConfigRule::IsPrintOn(strValue);

    if (kLogSaverKind == 1) {
        m_pLogSaver.reset(new (std::nothrow) CLogSaveOpenFile(m_strLogDir));
    } else {
        m_pLogSaver.reset(new (std::nothrow) CLogSaveCloseFile(m_strLogDir));
    }
}

CLogSave::~CLogSave() {
    m_pLogSaver.reset();
}

void CLogSave::WriteLog(std::string strText, std::string strFileName, bool bForce) {
    if (!bForce && !m_bPrint) {
        return;
    }
    if (m_pLogSaver != nullptr) {
        m_pLogSaver->WriteText(std::move(strText), std::move(strFileName));
    }
}

std::wstring CLogSave::GetCommonAppDataDir() {
    wchar_t szPath[1024] = {};
    if (!SHGetSpecialFolderPathW(nullptr, szPath, CSIDL_COMMON_APPDATA, FALSE)) {
        return {};
    }
    return std::wstring(szPath) + L"\\";
}

std::wstring CLogSave::ReadConfigString(std::wstring strFilePath, std::wstring strSection,
                                        std::wstring strKey, std::wstring strDefault) {
    wchar_t szValue[100] = {};
    GetPrivateProfileStringW(strSection.c_str(), strKey.c_str(), strDefault.c_str(), szValue,
                             static_cast<DWORD>(sizeof(szValue) / sizeof(szValue[0])),
                             strFilePath.c_str());
    return LogConfigRule::Trim(szValue);
}

CLogSave* GetLogSave() {
    // Built once, even when the first records come from two threads at once, and never
    // destroyed: a size worker may write its failure while the process ends, and waiting for
    // it on the way out could only be bounded. Records close their files, so nothing is lost.
    static CLogSave* const pLogSave = new CLogSave;
    return pLogSave;
}
