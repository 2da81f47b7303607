#pragma once

#include "log/LogBase.h"
#include "framework/CriticalSection.h"
#include "log/LogFileHandle.h"
#include "log/LogRecordFormat.h"

// Opens, appends to and closes the file for every record, so no file is held between
// records. One lock serialises all records of all files, rotation included.
class CLogSaveCloseFile : public CLogBase {
public:
    explicit CLogSaveCloseFile(std::wstring strLogDir,
                               LogClock pfnClock = &LogFileHandle::LocalStamp);
    ~CLogSaveCloseFile() override;

    void WritePacket(const CPacketLog* pPacket) override;
    void WriteHex(const unsigned char* pData, int nLength, std::string strFileName) override;
    void WriteText(std::string strText, std::string strFileName) override;

private:
    CCriticalSection m_cs;
    LogClock m_pfnClock;
};
