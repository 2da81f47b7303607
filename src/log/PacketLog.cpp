#include "log/PacketLog.h"

#include <utility>

void CPacketLog::SetFileName(std::string strFileName) {
    m_strFileName = std::move(strFileName);
}

void CPacketLog::SetContent(std::string strContent) {
    m_strContent = std::move(strContent);
}

std::string CPacketLog::GetFileName() const {
    return m_strFileName;
}

std::string CPacketLog::GetContent() const {
    return m_strContent;
}
