#include "ui/PngButton.h"

#include "ui/ButtonGeometry.h"
#include "ui/PngResource.h"

namespace {

constexpr DWORD kHoverTime = 10; // ms after entering before the hover image shows

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

CPngButton::CPngButton() : m_hBkBrush(CreateSolidBrush(RGB(255, 255, 255))) {}

CPngButton::~CPngButton() {
    FreeImages();
    DeleteObject(m_hBkBrush);
}

void CPngButton::SetImages(UINT nNormal, UINT nHover, UINT nPressed, UINT nDisabled) {
    // A second call must not leak the first set.
    FreeImages();
    const UINT ids[] = {nNormal, nHover, nPressed, nDisabled};
    for (int i = 0; i < 4; ++i) {
        LoadPngResource(&m_pImages[i], ids[i]);
    }
}

void CPngButton::FreeImages() {
    for (Gdiplus::Image*& pImage : m_pImages) {
        delete pImage;
        pImage = nullptr;
    }
}

void CPngButton::SetBkImage(Gdiplus::Image* pImage) {
    m_pBkImage = pImage;
}

void CPngButton::SetBkRect(int left, int top, int right, int bottom) {
    m_rcBk = {left, top, right, bottom};
}

LRESULT CPngButton::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_MOUSEMOVE: {
        const LRESULT result = Default(msg, wParam, lParam);
        OnMouseMove();
        return result;
    }
    case WM_MOUSEHOVER:
    case WM_LBUTTONUP:
        OnMouseHover();
        return Default(msg, wParam, lParam);
    case WM_LBUTTONDOWN:
        OnLButtonDown();
        return Default(msg, wParam, lParam);
    case WM_MOUSELEAVE: {
        const LRESULT result = Default(msg, wParam, lParam);
        OnMouseLeave();
        return result;
    }
    default:
        break;
    }
    return CButton::WindowProc(msg, wParam, lParam);
}

void CPngButton::OnMouseMove() {
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

void CPngButton::OnMouseHover() {
    ChangeState(ButtonState::Next(m_nState, ButtonEvent::Hover, IsWindowEnabled() != FALSE));
}

void CPngButton::OnLButtonDown() {
    ChangeState(ButtonState::Next(m_nState, ButtonEvent::Press, IsWindowEnabled() != FALSE));
}

void CPngButton::OnMouseLeave() {
    ChangeState(ButtonState::Next(m_nState, ButtonEvent::Leave, IsWindowEnabled() != FALSE));
    m_bTracking = FALSE;
}

void CPngButton::ChangeState(int nState) {
    if (m_nState.exchange(nState) != nState) {
        Invalidate(TRUE);
    }
}

void CPngButton::DrawItem(DRAWITEMSTRUCT* pDraw) {
    if (pDraw == nullptr) {
        return;
    }
    for (Gdiplus::Image* pImage : m_pImages) {
        if (pImage == nullptr) {
            return;
        }
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
    const ButtonImage image = ButtonState::ImageFor(m_nState, IsWindowEnabled() != FALSE);
    {
        Gdiplus::Graphics graphics(hMemDC);
        graphics.SetSmoothingMode(Gdiplus::SmoothingModeHighQuality);
        const Gdiplus::Rect target(0, 0, nWidth, nHeight);
        if (m_pBkImage != nullptr) {
            graphics.DrawImage(m_pBkImage, target, m_rcBk.left, m_rcBk.top,
                               m_rcBk.right - m_rcBk.left, m_rcBk.bottom - m_rcBk.top,
                               Gdiplus::UnitPixel);
        }
        Gdiplus::Image* pImage = m_pImages[static_cast<int>(image)];
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
