#include "log/LogSaveOpenFile.h"

#include "log/GbkText.h"

#include <new>
#include <utility>

CLogSaveOpenFile::CLogFile::CLogFile(std::wstring strFilePath, std::uint32_t nMaxSize,
                                     LogClock pfnClock)
    : m_strFilePath(std::move(strFilePath)), m_nMaxSize(nMaxSize), m_pfnClock(pfnClock) {}

CLogSaveOpenFile::CLogFile::~CLogFile() = default;

int CLogSaveOpenFile::CLogFile::Write(CPacketLog packet) {
    CCriticalSection::Guard lock(m_cs);
    if (!m_file.IsOpen() && !m_file.Open(m_strFilePath)) {
        return 0;
    }
    std::uint64_t nLength = 0;
    if (!m_file.Append(ComposeLogRecord(m_pfnClock(), packet.GetContent()), &nLength)) {
        // Reopen for the next record rather than keep a handle that failed.
        m_file.Close();
        return 0;
    }
    if (IsPastLogLimit(nLength, m_nMaxSize)) {
        m_file.Close();
        LogFileHandle::MoveToBackup(m_strFilePath);
    }
    return 1;
}

CLogSaveOpenFile::CLogSaveOpenFile(std::wstring strLogDir, LogClock pfnClock)
    : CLogBase(std::move(strLogDir)), m_pfnClock(pfnClock) {}

CLogSaveOpenFile::~CLogSaveOpenFile() {
    CCriticalSection::Guard lock(m_csFiles);
    m_arrLogFile.clear();
}

CLogSaveOpenFile::CLogFile* CLogSaveOpenFile::GetLogFile(const std::wstring& strFileName) {
    const std::wstring strPath = m_strLogDir + strFileName;
    CCriticalSection::Guard lock(m_csFiles);
    for (const auto& pFile : m_arrLogFile) {
        if (pFile->GetFilePath() == strPath) {
            return pFile.get();
        }
    }
    std::unique_ptr<CLogFile> pFile(new (std::nothrow)
                                        CLogFile(strPath, LOG_FILE_MAX_SIZE, m_pfnClock));
    if (pFile == nullptr) {
        return nullptr;
    }
    m_arrLogFile.push_back(std::move(pFile));
    return m_arrLogFile.back().get();
}

void CLogSaveOpenFile::WritePacket(const CPacketLog* pPacket) {
    if (pPacket == nullptr) {
        return;
    }
    CLogFile* pFile = GetLogFile(FromGbk(pPacket->GetFileName()));
    if (pFile != nullptr) {
        pFile->Write(*pPacket);
    }
}

void CLogSaveOpenFile::WriteHex(const unsigned char* pData, int nLength, std::string strFileName) {
    CPacketLog packet;
    packet.SetContent(FormatHexBytes(pData, nLength));
    packet.SetFileName(std::move(strFileName));
    WritePacket(&packet);
}

void CLogSaveOpenFile::WriteText(std::string strText, std::string strFileName) {
    CPacketLog packet;
    packet.SetContent(std::move(strText));
    packet.SetFileName(std::move(strFileName));
    WritePacket(&packet);
}
