#include "log/LogBase.h"

#include <utility>

CLogBase::CLogBase(std::wstring strLogDir) : m_strLogDir(std::move(strLogDir)) {}

CLogBase::~CLogBase() = default;
