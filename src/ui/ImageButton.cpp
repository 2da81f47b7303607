#include "ui/ImageButton.h"

#include "ui/PngResource.h"

#include <windowsx.h>

namespace {

constexpr DWORD kHoverTime = 10; // ms after entering before the hover image shows

PixelRect ToPixelRect(const RECT& rc) {
    return {rc.left, rc.top, rc.right, rc.bottom};
}

} // namespace

CImageButton::CImageButton() : m_hBkBrush(CreateSolidBrush(RGB(255, 255, 255))) {}

CImageButton::~CImageButton() {
    FreeImages();
    DeleteObject(m_hBkBrush);
}

void CImageButton::SetImages(UINT nNormal, UINT nHover, UINT nPressed, UINT nDisabled) {
    // A second call must not leak the first set.
    FreeImages();
    const UINT ids[] = {nNormal, nHover, nPressed, nDisabled};
    for (int i = 0; i < 4; ++i) {
        LoadPngResource(&m_pImages[i], ids[i]);
    }
}

void CImageButton::FreeImages() {
    for (Gdiplus::Image*& pImage : m_pImages) {
        delete pImage;
        pImage = nullptr;
    }
}

void CImageButton::SetBkImage(Gdiplus::Image* pImage) {
    m_pBkImage = pImage;
}

void CImageButton::SetBkRect(int left, int top, int right, int bottom) {
    m_rcBk = {left, top, right, bottom};
}

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
    switch (msg) {
    case WM_MOUSEMOVE: {
        const LRESULT result = Default(msg, wParam, lParam);
        OnMouseMove();
        return result;
    }
    case WM_MOUSEHOVER:
    case WM_LBUTTONUP:
        OnPointerEvent(ButtonEvent::Hover, lParam);
        return Default(msg, wParam, lParam);
    case WM_LBUTTONDOWN:
        OnPointerEvent(ButtonEvent::Press, lParam);
        return Default(msg, wParam, lParam);
    case WM_MOUSELEAVE: {
        const LRESULT result = Default(msg, wParam, lParam);
        OnMouseLeave();
        return result;
    }
    case WM_ERASEBKGND:
        Paint(reinterpret_cast<HDC>(wParam), false);
        return TRUE;
    default:
        break;
    }
    return CButton::WindowProc(msg, wParam, lParam);
}

void CImageButton::OnMouseMove() {
    if (!IsWindowEnabled()) {
        return;
    }
    if (m_bTracking) {
        // A request made while the pointer was already elsewhere can be dropped without a
        // leave message (Wine does so); then the button would never track again.
        TRACKMOUSEEVENT query{sizeof(query), TME_QUERY, nullptr, 0};
        if (!TrackMouseEvent(&query) ||
            (query.hwndTrack == m_hWnd && (query.dwFlags & TME_LEAVE))) {
            return;
        }
    }
    TRACKMOUSEEVENT track{sizeof(track), TME_HOVER | TME_LEAVE, m_hWnd, kHoverTime};
    if (TrackMouseEvent(&track)) {
        m_bTracking = TRUE;
    }
}

void CImageButton::OnPointerEvent(ButtonEvent event, LPARAM lParam) {
    // The point is in client coordinates; a release outside after a drag does not hover.
    const bool bInside =
        ToPixelRect(GetClientRect()).Contains(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    ChangeState(ButtonState::Next(m_nState, event, IsWindowEnabled() != FALSE, bInside));
}

void CImageButton::OnMouseLeave() {
    ChangeState(ButtonState::Next(m_nState, ButtonEvent::Leave, IsWindowEnabled() != FALSE));
    m_bTracking = FALSE;
}

void CImageButton::ChangeState(int nState) {
    if (m_nState.exchange(nState) != nState) {
        Invalidate(TRUE);
    }
}

void CImageButton::DrawItem(DRAWITEMSTRUCT* pDraw) {
    if (pDraw != nullptr) {
        Paint(pDraw->hDC, true);
    }
}

void CImageButton::Paint(HDC hDC, bool bFromDrawItem) {
    if (bFromDrawItem) {
        for (Gdiplus::Image* pImage : m_pImages) {
            if (pImage == nullptr) {
                return;
            }
        }
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
        const ButtonImage image = ButtonState::ImageFor(m_nState, IsWindowEnabled() != FALSE);
        Gdiplus::Image* pImage = m_pImages[static_cast<int>(image)];
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
