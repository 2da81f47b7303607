#include "ui/PngResource.h"

#include <cstring>
#include <new>

namespace {

// GDI+ images allocate through GdipAlloc, which may answer null (GDI+ not running); its
// operator new is not allowed to, so the allocation is checked before constructing. A bitmap, so
// that its pixels can be read directly (ui/SkinPaint.h).
Gdiplus::Image* NewImageFromStream(IStream* pStream) {
    void* pMemory = Gdiplus::DllExports::GdipAlloc(sizeof(Gdiplus::Bitmap));
    if (pMemory == nullptr) {
        return nullptr;
    }
    return ::new (pMemory) Gdiplus::Bitmap(pStream, FALSE);
}

HRSRC FindPngResource(HMODULE hModule, UINT nID) {
    return FindResourceW(hModule, MAKEINTRESOURCEW(nID), L"PNG");
}

} // namespace

bool HasPngResource(UINT nID) {
    return FindPngResource(GetModuleHandleW(nullptr), nID) != nullptr;
}

BOOL LoadPngResource(Gdiplus::Image** ppImage, UINT nID) {
    HMODULE hModule = GetModuleHandleW(nullptr);
    HRSRC hInfo = FindPngResource(hModule, nID);
    if (hInfo == nullptr) {
        return FALSE;
    }
    const DWORD nSize = SizeofResource(hModule, hInfo);
    HGLOBAL hResource = LoadResource(hModule, hInfo);
    if (hResource == nullptr) {
        return FALSE;
    }
    const void* pData = LockResource(hResource);
    if (pData == nullptr) {
        return FALSE;
    }

    // The stream owns this block and frees it on its last release, which the image holds.
    HGLOBAL hCopy = GlobalAlloc(GMEM_FIXED, nSize);
    if (hCopy == nullptr) {
        return FALSE;
    }
    void* pCopy = GlobalLock(hCopy);
    if (pCopy == nullptr) {
        GlobalFree(hCopy);
        return FALSE;
    }
    std::memcpy(pCopy, pData, nSize);
    IStream* pStream = nullptr;
    if (FAILED(CreateStreamOnHGlobal(hCopy, TRUE, &pStream))) {
        GlobalUnlock(hCopy);
        GlobalFree(hCopy);
        return FALSE;
    }

    Gdiplus::Image* pImage = NewImageFromStream(pStream);
    // Undecodable bytes still give an image (drawing nothing, 0×0); only a GDI+ that is not
    // running counts as a failure, so that the windows fall back as they do without artwork.
    if (pImage != nullptr && pImage->GetLastStatus() == Gdiplus::GdiplusNotInitialized) {
        delete pImage;
        pImage = nullptr;
    }
    GlobalUnlock(hCopy);
    pStream->Release();
    FreeResource(hResource);
    if (pImage == nullptr) {
        return FALSE;
    }
    *ppImage = pImage;
    return TRUE;
}
