#include "log/LogCriticalSection.h"

LogCriticalSection::LogCriticalSection() {
    InitializeCriticalSection(&m_section);
}

LogCriticalSection::~LogCriticalSection() {
    DeleteCriticalSection(&m_section);
}

LogCriticalSection::Lock::Lock(LogCriticalSection& cs) : m_cs(cs) {
    EnterCriticalSection(&m_cs.m_section);
}

LogCriticalSection::Lock::~Lock() {
    LeaveCriticalSection(&m_cs.m_section);
}
