#pragma once

#include <windows.h>

// A critical section that lives as long as its owner.
class LogCriticalSection {
public:
    LogCriticalSection();
    ~LogCriticalSection();
    LogCriticalSection(const LogCriticalSection&) = delete;
    LogCriticalSection& operator=(const LogCriticalSection&) = delete;

    // Holds the section for one scope, so every way out releases it.
    class Lock {
    public:
        explicit Lock(LogCriticalSection& cs);
        ~Lock();
        Lock(const Lock&) = delete;
        Lock& operator=(const Lock&) = delete;

    private:
        LogCriticalSection& m_cs;
    };

private:
    CRITICAL_SECTION m_section;
};
