#include "ui/ImageButton.h"

#include <windowsx.h>

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
    Gdiplus::Image* pImage = CurrentImage();
    const PixelRect source = pImage != nullptr
                                 ? PixelRect{0, 0, static_cast<int>(pImage->GetWidth()),
                                             static_cast<int>(pImage->GetHeight())}
                                 : PixelRect{};
    Compose(hDC, m_rcClient, pImage, source, m_crText);
}
