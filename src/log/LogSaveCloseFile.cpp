#include "log/LogSaveCloseFile.h"

#include "log/GbkText.h"

#include <utility>

CLogSaveCloseFile::CLogSaveCloseFile(std::wstring strLogDir, LogClock pfnClock)
    : CLogBase(std::move(strLogDir)), m_pfnClock(pfnClock) {}

CLogSaveCloseFile::~CLogSaveCloseFile() = default;

void CLogSaveCloseFile::WritePacket(const CPacketLog* pPacket) {
    if (pPacket == nullptr) {
        return;
    }
    CCriticalSection::Guard lock(m_cs);
    const std::wstring strPath = m_strLogDir + FromGbk(pPacket->GetFileName());
    LogFileHandle file;
    if (!file.Open(strPath)) {
        return;
    }
    // The record's bytes go to the file unchanged: they are GBK already, and converting
    // through the system's code page would garble them on any system not set to 936.
    std::uint64_t nLength = 0;
    if (!file.Append(ComposeLogRecord(m_pfnClock(), pPacket->GetContent()), &nLength)) {
        return;
    }
    if (IsPastLogLimit(nLength, LOG_FILE_MAX_SIZE)) {
        file.Close();
        LogFileHandle::MoveToBackup(strPath);
    }
}

void CLogSaveCloseFile::WriteHex(const unsigned char* pData, int nLength, std::string strFileName) {
    CPacketLog packet;
    packet.SetContent(FormatHexBytes(pData, nLength));
    packet.SetFileName(std::move(strFileName));
    WritePacket(&packet);
}

void CLogSaveCloseFile::WriteText(std::string strText, std::string strFileName) {
    CPacketLog packet;
    packet.SetContent(std::move(strText));
    packet.SetFileName(std::move(strFileName));
    WritePacket(&packet);
}
