#pragma once

#include "log/LogBase.h"

#include <memory>
#include <string>

// The process-wide failure log: where log files go, whether unforced records are written, and
// the saver that writes them. Texts and file names are GBK byte strings.
class CLogSave {
public:
    // Logs into "ToolLog" in the machine-wide application-data folder.
    CLogSave();
    // Logs into "ToolLog" in strBaseDir, which ends in a backslash (or is empty: the current
    // folder), with the configuration "logCfg.ini" beside it.
    explicit CLogSave(std::wstring strBaseDir);
    virtual ~CLogSave();
    CLogSave(const CLogSave&) = delete;
    CLogSave& operator=(const CLogSave&) = delete;

    // Forced records are always written; others only when the configuration switches
    // printing on.
    void WriteLog(std::string strText, std::string strFileName, bool bForce);

    // The common application-data folder and one backslash; empty when it cannot be found.
    static std::wstring GetCommonAppDataDir();
    // A value of an initialisation file (at most 99 characters), without surrounding blanks.
    static std::wstring ReadConfigString(std::wstring strFilePath, std::wstring strSection,
                                         std::wstring strKey, std::wstring strDefault);

    bool IsPrintOn() const { return m_bPrint; }
    const std::wstring& GetLogDir() const { return m_strLogDir; }
    const CLogBase* GetLogSaver() const { return m_pLogSaver.get(); }

private:
    bool m_bPrint = false;
    std::wstring m_strLogDir;
    std::unique_ptr<CLogBase> m_pLogSaver;
};

// The one log object of the process, built on first use.
CLogSave* GetLogSave();
