#include "ui/PngImageCache.h"

#include <map>
#include <utility>

namespace {

struct Slot {
    CImagePtr pImage;
    bool bDecoding = false;
};

// Never destroyed: its images must go while GDI+ runs, which ReleaseAll sees to, never at the
// end of the process (a start-up failure ends it without tearing anything down).
struct Cache {
    SRWLOCK lock = SRWLOCK_INIT;
    CONDITION_VARIABLE decoded = CONDITION_VARIABLE_INIT;
    std::map<UINT, Slot> slots;
    HANDLE hPrefetch = nullptr;
    bool bPrefetched = false;
    std::span<const UINT> prefetch;
};

Cache& TheCache() {
    static auto* const pCache = new Cache;
    return *pCache;
}

class ExclusiveLock {
public:
    explicit ExclusiveLock(SRWLOCK& lock) : m_lock(lock) { AcquireSRWLockExclusive(&m_lock); }
    ~ExclusiveLock() { ReleaseSRWLockExclusive(&m_lock); }
    ExclusiveLock(const ExclusiveLock&) = delete;
    ExclusiveLock& operator=(const ExclusiveLock&) = delete;

private:
    SRWLOCK& m_lock;
};

DWORD WINAPI PrefetchThreadProc(LPVOID) {
    for (UINT nID : TheCache().prefetch) {
        CPngImageCache::Get(nID);
    }
    return 0;
}

} // namespace

CImagePtr CPngImageCache::Get(UINT nID) {
    Cache& cache = TheCache();
    const ExclusiveLock guard(cache.lock);
    // Looked up again after every wait: the slot may be gone (a failed decode, ReleaseAll).
    for (auto it = cache.slots.find(nID); it != cache.slots.end(); it = cache.slots.find(nID)) {
        if (!it->second.bDecoding) {
            return it->second.pImage;
        }
        SleepConditionVariableSRW(&cache.decoded, &cache.lock, INFINITE, 0);
    }
    // Decoded outside the lock, so that another thread decodes another image meanwhile.
    cache.slots[nID].bDecoding = true;
    ReleaseSRWLockExclusive(&cache.lock);
    Gdiplus::Image* pImage = nullptr;
    CImagePtr pDecoded;
    if (LoadPngResource(&pImage, nID)) {
        pDecoded.reset(pImage);
    }
    AcquireSRWLockExclusive(&cache.lock);
    WakeAllConditionVariable(&cache.decoded);
    if (pDecoded) {
        cache.slots[nID] = Slot{pDecoded, false};
    } else {
        cache.slots.erase(nID);
    }
    return pDecoded;
}

void CPngImageCache::Prefetch(std::span<const UINT> ids) {
    Cache& cache = TheCache();
    const ExclusiveLock guard(cache.lock);
    if (cache.bPrefetched) {
        return;
    }
    cache.bPrefetched = true;
    cache.prefetch = ids;
    // Without a thread, each window decodes its images when it needs them, as it always could.
    cache.hPrefetch = CreateThread(nullptr, 0, PrefetchThreadProc, nullptr, 0, nullptr);
}

void CPngImageCache::ReleaseAll() {
    Cache& cache = TheCache();
    HANDLE hPrefetch = nullptr;
    {
        const ExclusiveLock guard(cache.lock);
        hPrefetch = std::exchange(cache.hPrefetch, nullptr);
    }
    if (hPrefetch != nullptr) {
        WaitForSingleObject(hPrefetch, INFINITE);
        CloseHandle(hPrefetch);
    }
    // Moved out first: an image's release must not run under the lock.
    std::map<UINT, Slot> slots;
    {
        const ExclusiveLock guard(cache.lock);
        slots.swap(cache.slots);
    }
}

BOOL LoadPngResource(CImagePtr* pImage, UINT nID) {
    if (pImage == nullptr) {
        return FALSE;
    }
    CImagePtr pShared = CPngImageCache::Get(nID);
    if (!pShared) {
        return FALSE;
    }
    *pImage = std::move(pShared);
    return TRUE;
}
