#pragma once

#include "log/LogBase.h"
#include "framework/CriticalSection.h"
#include "log/LogFileHandle.h"
#include "log/LogRecordFormat.h"

#include <cstdint>
#include <memory>
#include <vector>

// Keeps each log file open across records, one lock per file.
class CLogSaveOpenFile : public CLogBase {
public:
    // One log file, opened by its first record and kept open until it is rotated.
    class CLogFile {
    public:
        CLogFile(std::wstring strFilePath, std::uint32_t nMaxSize,
                 LogClock pfnClock = &LogFileHandle::LocalStamp);
        virtual ~CLogFile();
        CLogFile(const CLogFile&) = delete;
        CLogFile& operator=(const CLogFile&) = delete;

        // 1 when the record was written, 0 when it was dropped.
        int Write(CPacketLog packet);

        const std::wstring& GetFilePath() const { return m_strFilePath; }
        bool IsOpen() const { return m_file.IsOpen(); }

    private:
        LogFileHandle m_file;
        std::wstring m_strFilePath;
        std::uint32_t m_nMaxSize;
        CCriticalSection m_cs;
        LogClock m_pfnClock;
    };

    explicit CLogSaveOpenFile(std::wstring strLogDir,
                              LogClock pfnClock = &LogFileHandle::LocalStamp);
    ~CLogSaveOpenFile() override;

    void WritePacket(const CPacketLog* pPacket) override;
    void WriteHex(const unsigned char* pData, int nLength, std::string strFileName) override;
    void WriteText(std::string strText, std::string strFileName) override;

    // The file object for a name relative to the log folder, created on first use.
    CLogFile* GetLogFile(const std::wstring& strFileName);

private:
    std::vector<std::unique_ptr<CLogFile>> m_arrLogFile;
    // Guards the list: records for new files may come from several threads at once.
    CCriticalSection m_csFiles;
    LogClock m_pfnClock;
};
