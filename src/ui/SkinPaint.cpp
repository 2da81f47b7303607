#include "ui/SkinPaint.h"

#include "framework/GdiObject.h"

void DrawImagePatch(HDC hDC, Gdiplus::Image* pImage, const RECT& rcSource, const RECT& rcClient) {
    if (pImage == nullptr) {
        return;
    }
    Gdiplus::Graphics graphics(hDC);
    graphics.SetSmoothingMode(Gdiplus::SmoothingModeHighQuality);
    const Gdiplus::Rect destination(rcClient.left, rcClient.top, rcClient.right - rcClient.left,
                                    rcClient.bottom - rcClient.top);
    graphics.DrawImage(pImage, destination, rcSource.left, rcSource.top,
                       rcSource.right - rcSource.left, rcSource.bottom - rcSource.top,
                       Gdiplus::UnitPixel);
}

namespace {

bool IsBitmapOfSize(Gdiplus::Image* pImage, int nWidth, int nHeight) {
    return pImage != nullptr && pImage->GetType() == Gdiplus::ImageTypeBitmap &&
           static_cast<int>(pImage->GetWidth()) == nWidth &&
           static_cast<int>(pImage->GetHeight()) == nHeight;
}

} // namespace

bool CopyImagePixels(Gdiplus::Image* pImage, void* pBits, int nWidth, int nHeight) {
    if (!IsBitmapOfSize(pImage, nWidth, nHeight)) {
        return false;
    }
    // The loader's images are bitmaps (ui/PngResource.cpp).
    auto* pBitmap = static_cast<Gdiplus::Bitmap*>(pImage);
    Gdiplus::BitmapData data{};
    data.Width = static_cast<UINT>(nWidth);
    data.Height = static_cast<UINT>(nHeight);
    data.Stride = nWidth * 4;
    data.PixelFormat = PixelFormat32bppPARGB;
    data.Scan0 = pBits;
    const Gdiplus::Rect rc(0, 0, nWidth, nHeight);
    if (pBitmap->LockBits(&rc, Gdiplus::ImageLockModeRead | Gdiplus::ImageLockModeUserInputBuf,
                          PixelFormat32bppPARGB, &data) != Gdiplus::Ok) {
        return false;
    }
    return pBitmap->UnlockBits(&data) == Gdiplus::Ok;
}

bool DrawOpaqueImage(HDC hDC, Gdiplus::Image* pImage, int nWidth, int nHeight) {
    // Sizes checked before the section is made: other sizes are the common case for prompts.
    if (!IsBitmapOfSize(pImage, nWidth, nHeight) ||
        Gdiplus::IsAlphaPixelFormat(pImage->GetPixelFormat())) {
        return false;
    }
    CMemDC picture(hDC, nWidth, nHeight, CMemDC::Surface::Dib32);
    if (!picture.IsValid() || !CopyImagePixels(pImage, picture.Bits(), nWidth, nHeight)) {
        return false;
    }
    picture.CopyTo(hDC);
    return true;
}

void DrawAlignedText(HDC hDC, const std::wstring& text, const RECT& rcClient,
                     const LabelAlignment& alignment) {
    RECT rc = rcClient;
    const int nLength = static_cast<int>(text.size());
    if (alignment.bMeasured) {
        // DrawText keeps the width and extends the height to what the wrapped text needs.
        RECT rcMeasure = rc;
        rcMeasure.bottom = rcMeasure.top + 10;
        ::DrawTextW(hDC, text.c_str(), nLength, &rcMeasure, alignment.nMeasureFlags);
        rc.top += MeasuredTopOffset(rc.bottom - rc.top, rcMeasure.bottom - rcMeasure.top);
    }
    ::DrawTextW(hDC, text.c_str(), nLength, &rc, alignment.nDrawFlags);
}
