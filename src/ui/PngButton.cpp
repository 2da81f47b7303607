#include "ui/PngButton.h"

#include "ui/ButtonGeometry.h"

namespace {

COLORREF CaptionColor(ButtonImage image) {
    switch (image) {
    case ButtonImage::Hover:
    case ButtonImage::Pressed:
        return RGB(255, 255, 255);
    case ButtonImage::Disabled:
        return RGB(192, 192, 192);
    case ButtonImage::Normal:
        break;
    }
    return RGB(0, 0, 0);
}

} // namespace

void CPngButton::DrawItem(DRAWITEMSTRUCT* pDraw) {
    if (pDraw == nullptr) {
        return;
    }
    if (!HasAllImages()) {
        return;
    }
    const RECT rcItem = pDraw->rcItem;
    const int nWidth = rcItem.right - rcItem.left;
    const int nHeight = rcItem.bottom - rcItem.top;
    HBITMAP hBitmap = CreateCompatibleBitmap(pDraw->hDC, nWidth, nHeight);
    HDC hMemDC = CreateCompatibleDC(pDraw->hDC);
    if (hBitmap == nullptr || hMemDC == nullptr) {
        if (hBitmap != nullptr) {
            DeleteObject(hBitmap);
        }
        if (hMemDC != nullptr) {
            DeleteDC(hMemDC);
        }
        return;
    }
    HGDIOBJ hOldBitmap = SelectObject(hMemDC, hBitmap);
    RECT rc{0, 0, nWidth, nHeight};
    if (m_pBkImage == nullptr) {
        FillRect(hMemDC, &rc, m_hBkBrush);
    }
    ButtonImage image = ButtonImage::Normal;
    Gdiplus::Image* pImage = CurrentImage(&image);
    {
        Gdiplus::Graphics graphics(hMemDC);
        graphics.SetSmoothingMode(Gdiplus::SmoothingModeHighQuality);
        const Gdiplus::Rect target(0, 0, nWidth, nHeight);
        if (m_pBkImage != nullptr) {
            graphics.DrawImage(m_pBkImage, target, m_rcBk.left, m_rcBk.top,
                               m_rcBk.right - m_rcBk.left, m_rcBk.bottom - m_rcBk.top,
                               Gdiplus::UnitPixel);
        }
        const PixelRect src = ButtonGeometry::ImageSource(
            static_cast<int>(pImage->GetWidth()), static_cast<int>(pImage->GetHeight()), m_fScale);
        graphics.DrawImage(pImage, target, src.left, src.top, src.Width(), src.Height(),
                           Gdiplus::UnitPixel);
    }
    HGDIOBJ hOldFont = nullptr;
    if (!m_strText.empty()) {
        SetBkMode(hMemDC, TRANSPARENT);
        auto hFont = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
        if (hFont != nullptr) {
            hOldFont = SelectObject(hMemDC, hFont);
        }
        SetTextColor(hMemDC, CaptionColor(image));
        DrawTextW(hMemDC, m_strText.c_str(), -1, &rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    BitBlt(pDraw->hDC, rcItem.left, rcItem.top, nWidth, nHeight, hMemDC, 0, 0, SRCCOPY);
    if (hOldFont != nullptr) {
        SelectObject(hMemDC, hOldFont);
    }
    SelectObject(hMemDC, hOldBitmap);
    DeleteObject(hBitmap);
    DeleteDC(hMemDC);
}
