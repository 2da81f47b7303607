#pragma once

#include <windows.h>

// A Win32 critical section with scoped locking.
class CCriticalSection {
public:
    CCriticalSection() { InitializeCriticalSection(&m_cs); }
    ~CCriticalSection() { DeleteCriticalSection(&m_cs); }
    CCriticalSection(const CCriticalSection&) = delete;
    CCriticalSection& operator=(const CCriticalSection&) = delete;

    void Lock() { EnterCriticalSection(&m_cs); }
    void Unlock() { LeaveCriticalSection(&m_cs); }

    class Guard {
    public:
        explicit Guard(CCriticalSection& cs) : m_cs(cs) { m_cs.Lock(); }
        ~Guard() { m_cs.Unlock(); }
        Guard(const Guard&) = delete;
        Guard& operator=(const Guard&) = delete;

    private:
        CCriticalSection& m_cs;
    };

private:
    CRITICAL_SECTION m_cs;
};
