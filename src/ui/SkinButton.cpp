#include "ui/SkinButton.h"

#include "framework/PaintBuffer.h"
#include "ui/SkinPaint.h"

namespace {

constexpr DWORD kHoverTime = 10; // ms after entering before the hover image shows

} // namespace

CSkinButton::CSkinButton() : m_hBkBrush(CreateSolidBrush(RGB(255, 255, 255))) {}

void CSkinButton::SetImages(UINT nNormal, UINT nHover, UINT nPressed, UINT nDisabled) {
    // A second call must not leak the first set.
    FreeImages();
    const UINT ids[] = {nNormal, nHover, nPressed, nDisabled};
    for (int i = 1; i < 4; ++i) {
        m_nImageIds[i] = HasPngResource(ids[i]) ? ids[i] : 0;
    }
    LoadPngResource(&m_pImages[0], nNormal);
}

void CSkinButton::FreeImages() {
    for (int i = 0; i < 4; ++i) {
        m_pImages[i].reset();
        m_nImageIds[i] = 0;
    }
}

void CSkinButton::OnDestroy() {
    FreeImages();
}

void CSkinButton::SetBkImage(Gdiplus::Image* pImage) {
    m_pBkImage = pImage;
}

void CSkinButton::SetBkRect(int left, int top, int right, int bottom) {
    m_rcBk = {left, top, right, bottom};
}

bool CSkinButton::CountsAt(LPARAM) const {
    return true;
}

bool CSkinButton::HasAllImages() const {
    for (int i = 0; i < 4; ++i) {
        if (!m_pImages[i] && m_nImageIds[i] == 0) {
            return false;
        }
    }
    return true;
}

Gdiplus::Image* CSkinButton::CurrentImage(ButtonImage* pWhich) {
    const ButtonImage image = ButtonState::ImageFor(m_nState, IsWindowEnabled() != FALSE);
    if (pWhich != nullptr) {
        *pWhich = image;
    }
    const auto i = static_cast<std::size_t>(image);
    if (!m_pImages[i] && m_nImageIds[i] != 0) {
        // Tried once: a state that cannot be decoded draws as a missing image does.
        LoadPngResource(&m_pImages[i], m_nImageIds[i]);
        m_nImageIds[i] = 0;
    }
    return m_pImages[i].get();
}

void CSkinButton::Compose(HDC hDC, const RECT& rc, Gdiplus::Image* pImage, const PixelRect& source,
                          COLORREF crCaption) {
    PaintBuffered(hDC, rc, [&](HDC hMemDC) {
        RECT rcFill = rc;
        FillRect(hMemDC, &rcFill, m_hBkBrush);
        SetBkMode(hMemDC, TRANSPARENT);
        DrawImagePatch(hMemDC, m_pBkImage, m_rcBk, rc);
        if (pImage != nullptr) {
            Gdiplus::Graphics graphics(hMemDC);
            graphics.SetSmoothingMode(Gdiplus::SmoothingModeHighQuality);
            graphics.DrawImage(pImage, Gdiplus::Rect(0, 0, rc.right, rc.bottom), source.left,
                               source.top, source.Width(), source.Height(), Gdiplus::UnitPixel);
        }
        if (!m_strText.empty()) {
            const CSelectGuard font(hMemDC, reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)));
            SetTextColor(hMemDC, crCaption);
            RECT rcText = rc;
            DrawTextW(hMemDC, m_strText.c_str(), -1, &rcText,
                      DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        }
    });
}

LRESULT CSkinButton::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
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
    default:
        break;
    }
    return CButton::WindowProc(msg, wParam, lParam);
}

void CSkinButton::OnMouseMove() {
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

void CSkinButton::OnPointerEvent(ButtonEvent event, LPARAM lParam) {
    ChangeState(ButtonState::Next(m_nState, event, IsWindowEnabled() != FALSE, CountsAt(lParam)));
}

void CSkinButton::OnMouseLeave() {
    ChangeState(ButtonState::Next(m_nState, ButtonEvent::Leave, IsWindowEnabled() != FALSE));
    m_bTracking = FALSE;
}

void CSkinButton::ChangeState(int nState) {
    if (m_nState.exchange(nState) != nState) {
        Invalidate(TRUE);
    }
}
