#pragma once

#include "log/ObjectBase.h"

#include <string>

// One log record: the target file, relative to the log folder, and the text. Both are GBK
// byte strings.
class CPacketLog : public CObjectBase {
public:
    void SetFileName(std::string strFileName);
    void SetContent(std::string strContent);
    std::string GetFileName() const;
    std::string GetContent() const;

private:
    std::string m_strFileName;
    std::string m_strContent;
};
