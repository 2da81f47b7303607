#include "ui/SkinPaint.h"

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
