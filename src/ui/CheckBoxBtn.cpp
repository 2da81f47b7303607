#include "ui/CheckBoxBtn.h"

#include "res/resource.h"
#include "ui/ButtonGeometry.h"
#include "ui/PngResource.h"

namespace {

PixelRect ToPixelRect(const RECT& rc) {
    return {rc.left, rc.top, rc.right, rc.bottom};
}

// Messages after which the system button may have drawn its own look straight onto the
// screen (checked state, pushed state, focus, text); the skin is painted over it at once.
bool MayDrawNatively(UINT msg) {
    switch (msg) {
    case BM_SETCHECK:
    case BM_SETSTATE:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_SETTEXT:
    case WM_UPDATEUISTATE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_KEYDOWN:
    case WM_KEYUP:
        return true;
    default:
        return false;
    }
}

} // namespace

CCheckBoxBtn::CCheckBoxBtn()
    : m_nGlyphPng(IDB_CHECK_BOX), m_hBkBrush(CreateSolidBrush(RGB(255, 255, 255))) {}

CCheckBoxBtn::~CCheckBoxBtn() {
    ReleaseSurface();
    delete m_pGlyphImage;
    DeleteObject(m_hBkBrush);
    if (m_hFont != nullptr) {
        DeleteObject(m_hFont);
    }
}

void CCheckBoxBtn::SetFontFromParent() {
    HWND hParent = GetParent(m_hWnd);
    auto hSource =
        reinterpret_cast<HFONT>(hParent != nullptr ? ::SendMessageW(hParent, WM_GETFONT, 0, 0) : 0);
    if (hSource == nullptr) {
        hSource = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    }
    if (hSource == nullptr) {
        hSource = static_cast<HFONT>(GetStockObject(ANSI_VAR_FONT));
    }
    LOGFONTW lf{};
    if (hSource == nullptr || GetObjectW(hSource, sizeof(lf), &lf) == 0) {
        return;
    }
    HFONT hFont = CreateFontIndirectW(&lf);
    if (hFont == nullptr) {
        return;
    }
    // Called again, the old copy must not leak.
    if (m_hFont != nullptr) {
        DeleteObject(m_hFont);
    }
    m_hFont = hFont;
}

void CCheckBoxBtn::SetBkImage(Gdiplus::Image* pImage) {
    m_pBkImage = pImage;
}

void CCheckBoxBtn::SetBkRect(int left, int top, int right, int bottom) {
    m_rcBk = {left, top, right, bottom};
}

LRESULT CCheckBoxBtn::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_PAINT) {
        OnPaint();
        return 0;
    }
    if (msg == WM_DESTROY) {
        // With the window, while GDI+ still runs: the owner may outlive GDI+.
        const LRESULT result = CButton::WindowProc(msg, wParam, lParam);
        ReleaseSurface();
        delete m_pGlyphImage;
        m_pGlyphImage = nullptr;
        return result;
    }
    if (MayDrawNatively(msg)) {
        const LRESULT result = CButton::WindowProc(msg, wParam, lParam);
        if (IsWindowVisible()) {
            RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        }
        return result;
    }
    return CButton::WindowProc(msg, wParam, lParam);
}

bool CCheckBoxBtn::EnsureSurface(HDC hDC, int nWidth, int nHeight) {
    // Kept between paints; made again only if the control was resized.
    if (m_hMemDC != nullptr && m_memSize.cx == nWidth && m_memSize.cy == nHeight) {
        return true;
    }
    ReleaseSurface();
    m_hMemDC = CreateCompatibleDC(hDC);
    m_hMemBitmap = CreateCompatibleBitmap(hDC, nWidth, nHeight);
    if (m_hMemDC == nullptr || m_hMemBitmap == nullptr) {
        ReleaseSurface();
        return false;
    }
    m_memSize = {nWidth, nHeight};
    return true;
}

void CCheckBoxBtn::ReleaseSurface() {
    if (m_hMemBitmap != nullptr) {
        DeleteObject(m_hMemBitmap);
        m_hMemBitmap = nullptr;
    }
    if (m_hMemDC != nullptr) {
        DeleteDC(m_hMemDC);
        m_hMemDC = nullptr;
    }
    m_memSize = {};
}

void CCheckBoxBtn::OnPaint() {
    PAINTSTRUCT ps{};
    HDC hDC = BeginPaint(m_hWnd, &ps);
    if (hDC == nullptr) {
        return;
    }
    m_rcClient = GetClientRect();
    const PixelRect client = ToPixelRect(m_rcClient);
    if (client.Width() <= 0 || client.Height() <= 0 ||
        !EnsureSurface(hDC, client.Width(), client.Height())) {
        EndPaint(m_hWnd, &ps);
        return;
    }
    m_hOldBitmap = static_cast<HBITMAP>(SelectObject(m_hMemDC, m_hMemBitmap));
    FillRect(m_hMemDC, &m_rcClient, m_hBkBrush);
    SetBkMode(m_hMemDC, TRANSPARENT);
    bool bGlyph = false;
    {
        Gdiplus::Graphics graphics(m_hMemDC);
        if (m_pBkImage != nullptr) {
            graphics.SetSmoothingMode(Gdiplus::SmoothingModeHighQuality);
            graphics.DrawImage(
                m_pBkImage, Gdiplus::Rect(client.left, client.top, client.Width(), client.Height()),
                m_rcBk.left, m_rcBk.top, m_rcBk.right - m_rcBk.left, m_rcBk.bottom - m_rcBk.top,
                Gdiplus::UnitPixel);
        }
        if (m_pGlyphImage != nullptr || LoadPngResource(&m_pGlyphImage, m_nGlyphPng)) {
            const PixelRect glyph = ButtonGeometry::CheckGlyphRect(client, m_fScale);
            const PixelRect cell =
                ButtonGeometry::CheckGlyphCell(static_cast<int>(SendMessage(BM_GETCHECK)));
            graphics.DrawImage(
                m_pGlyphImage, Gdiplus::Rect(glyph.left, glyph.top, glyph.Width(), glyph.Height()),
                cell.left, cell.top, cell.Width(), cell.Height(), Gdiplus::UnitPixel);
            bGlyph = true;
        }
    }
    m_hOldFont = nullptr;
    if (bGlyph) {
        // Without SetFontFromParent the control's own (dialog) font, not the DC's system font.
        HFONT hFont =
            m_hFont != nullptr ? m_hFont : reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
        if (hFont != nullptr) {
            m_hOldFont = static_cast<HFONT>(SelectObject(m_hMemDC, hFont));
        }
        const std::wstring text = GetWindowText();
        SetTextColor(m_hMemDC, m_crText);
        m_rcClient.left = ButtonGeometry::CheckTextLeft(client, m_fScale);
        DrawTextW(m_hMemDC, text.c_str(), -1, &m_rcClient, DT_VCENTER | DT_SINGLELINE);
    }
    BitBlt(hDC, 0, 0, m_rcClient.right, m_rcClient.bottom, m_hMemDC, 0, 0, SRCCOPY);
    if (m_hOldFont != nullptr) {
        SelectObject(m_hMemDC, m_hOldFont);
    }
    SelectObject(m_hMemDC, m_hOldBitmap);
    EndPaint(m_hWnd, &ps);
}
