#include "ui/ImageButton.h"

#include <windowsx.h>

namespace {

PixelRect ToPixelRect(const RECT& rc) {
    return {rc.left, rc.top, rc.right, rc.bottom};
}

} // namespace

void CImageButton::SetMargins(int left, int top, int right, int bottom) {
    m_margins = {left, top, right, bottom};
}

BOOL CImageButton::IsCursorInside() {
    POINT pt{};
    if (!GetCursorPos(&pt) || !ScreenToClient(m_hWnd, &pt)) {
        return FALSE;
    }
    const PixelRect inner = ButtonGeometry::InsideMargins(ToPixelRect(GetClientRect()), m_margins);
    return inner.Contains(pt.x, pt.y) ? TRUE : FALSE;
}

void CImageButton::EnableButton(BOOL bEnable) {
    // Any thread: the state is atomic, and the window calls reach the owning thread.
    m_nState = bEnable ? BUTTON_STATE_NORMAL : BUTTON_STATE_DISABLED;
    ::EnableWindow(m_hWnd, bEnable);
    ::InvalidateRect(m_hWnd, nullptr, TRUE);
}

LRESULT CImageButton::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_ERASEBKGND) {
        Paint(reinterpret_cast<HDC>(wParam), false);
        return TRUE;
    }
    return CSkinButton::WindowProc(msg, wParam, lParam);
}

bool CImageButton::CountsAt(LPARAM lParam) const {
    return ToPixelRect(GetClientRect()).Contains(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
}

void CImageButton::DrawItem(DRAWITEMSTRUCT* pDraw) {
    if (pDraw != nullptr) {
        Paint(pDraw->hDC, true);
    }
}

void CImageButton::Paint(HDC hDC, bool bFromDrawItem) {
    if (bFromDrawItem && !HasAllImages()) {
        return;
    }
    m_rcClient = GetClientRect();
    const int nWidth = m_rcClient.right - m_rcClient.left;
    const int nHeight = m_rcClient.bottom - m_rcClient.top;
    HDC hMemDC = CreateCompatibleDC(hDC);
    HBITMAP hBitmap = CreateCompatibleBitmap(hDC, nWidth, nHeight);
    if (hMemDC == nullptr || hBitmap == nullptr) {
        if (hBitmap != nullptr) {
            DeleteObject(hBitmap);
        }
        if (hMemDC != nullptr) {
            DeleteDC(hMemDC);
        }
        return;
    }
    HGDIOBJ hOldBitmap = SelectObject(hMemDC, hBitmap);
    FillRect(hMemDC, &m_rcClient, m_hBkBrush);
    SetBkMode(hMemDC, TRANSPARENT);
    {
        Gdiplus::Graphics graphics(hMemDC);
        graphics.SetSmoothingMode(Gdiplus::SmoothingModeHighQuality);
        const Gdiplus::Rect target(m_rcClient.left, m_rcClient.top, nWidth, nHeight);
        if (m_pBkImage != nullptr) {
            graphics.DrawImage(m_pBkImage, target, m_rcBk.left, m_rcBk.top,
                               m_rcBk.right - m_rcBk.left, m_rcBk.bottom - m_rcBk.top,
                               Gdiplus::UnitPixel);
        }
        Gdiplus::Image* pImage = CurrentImage();
        if (pImage != nullptr) {
            graphics.DrawImage(pImage, target, 0, 0, static_cast<int>(pImage->GetWidth()),
                               static_cast<int>(pImage->GetHeight()), Gdiplus::UnitPixel);
        }
    }
    HGDIOBJ hOldFont = nullptr;
    if (!m_strText.empty()) {
        auto hFont = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
        if (hFont != nullptr) {
            hOldFont = SelectObject(hMemDC, hFont);
        }
        SetTextColor(hMemDC, m_crText);
        RECT rcText = m_rcClient;
        DrawTextW(hMemDC, m_strText.c_str(), -1, &rcText, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    BitBlt(hDC, 0, 0, nWidth, nHeight, hMemDC, 0, 0, SRCCOPY);
    SelectObject(hMemDC, hOldBitmap);
    if (hOldFont != nullptr) {
        SelectObject(hMemDC, hOldFont);
    }
    DeleteDC(hMemDC);
    DeleteObject(hBitmap);
}
