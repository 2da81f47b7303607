#pragma once

#include "log/PacketLog.h"

#include <string>

// A strategy that writes records into files of one log folder. Records name their file, so
// one saver serves every log file of the folder.
class CLogBase {
public:
    // strLogDir ends in a backslash; file names are appended to it as they are.
    explicit CLogBase(std::wstring strLogDir);
    virtual ~CLogBase();
    CLogBase(const CLogBase&) = delete;
    CLogBase& operator=(const CLogBase&) = delete;

    virtual void WritePacket(const CPacketLog* pPacket) = 0;
    // One record holding the bytes as upper-case hexadecimal pairs, each followed by a blank.
    virtual void WriteHex(const unsigned char* pData, int nLength, std::string strFileName) = 0;
    virtual void WriteText(std::string strText, std::string strFileName) = 0;

    const std::wstring& GetLogDir() const { return m_strLogDir; }

protected:
    std::wstring m_strLogDir;
};
