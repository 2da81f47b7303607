#include "ui/PngImageCache.h"

#include <map>
#include <utility>

namespace {

// Never destroyed: its images must go while GDI+ runs, which ReleaseAll sees to, never at the
// end of the process (a start-up failure ends it without tearing anything down).
std::map<UINT, CImagePtr>& Images() {
    static auto* const pImages = new std::map<UINT, CImagePtr>;
    return *pImages;
}

} // namespace

CImagePtr CPngImageCache::Get(UINT nID) {
    CImagePtr& pCached = Images()[nID];
    if (!pCached) {
        Gdiplus::Image* pImage = nullptr;
        if (!LoadPngResource(&pImage, nID)) {
            Images().erase(nID);
            return nullptr;
        }
        pCached.reset(pImage);
    }
    return pCached;
}

void CPngImageCache::ReleaseAll() {
    Images().clear();
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
