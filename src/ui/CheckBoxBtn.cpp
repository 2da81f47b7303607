#include "ui/CheckBoxBtn.h"

#include "res/resource.h"
#include "ui/ButtonGeometry.h"
#include "ui/SkinPaint.h"

namespace {

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
    if (hFont != nullptr) {
        m_hFont.Reset(hFont);
    }
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
    if (MayDrawNatively(msg)) {
        const LRESULT result = CButton::WindowProc(msg, wParam, lParam);
        if (IsWindowVisible()) {
            RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        }
        return result;
    }
    return CButton::WindowProc(msg, wParam, lParam);
}

void CCheckBoxBtn::OnDestroy() {
    m_buffer.Release();
    m_pGlyphImage.reset();
}

void CCheckBoxBtn::OnPaint() {
    PAINTSTRUCT ps{};
    HDC hDC = BeginPaint(m_hWnd, &ps);
    if (hDC == nullptr) {
        return;
    }
    m_rcClient = GetClientRect();
    m_buffer.Paint(hDC, m_rcClient, [this](HDC hMemDC) { Draw(hMemDC); });
    EndPaint(m_hWnd, &ps);
}

void CCheckBoxBtn::Draw(HDC hDC) {
    const PixelRect client = ToPixelRect(m_rcClient);
    FillRect(hDC, &m_rcClient, m_hBkBrush);
    SetBkMode(hDC, TRANSPARENT);
    DrawImagePatch(hDC, m_pBkImage, m_rcBk, m_rcClient);
    if (!m_pGlyphImage && !LoadPngResource(&m_pGlyphImage, m_nGlyphPng)) {
        return;
    }
    {
        const PixelRect glyph = ButtonGeometry::CheckGlyphRect(client, m_fScale);
        const PixelRect cell =
            ButtonGeometry::CheckGlyphCell(static_cast<int>(SendMessage(BM_GETCHECK)));
        Gdiplus::Graphics graphics(hDC);
        graphics.DrawImage(m_pGlyphImage.get(),
                           Gdiplus::Rect(glyph.left, glyph.top, glyph.Width(), glyph.Height()),
                           cell.left, cell.top, cell.Width(), cell.Height(), Gdiplus::UnitPixel);
    }
    // Without SetFontFromParent the control's own (dialog) font, not the DC's system font.
    const CSelectGuard font(
        hDC, m_hFont != nullptr ? m_hFont.Get() : reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)));
    const std::wstring text = GetWindowText();
    SetTextColor(hDC, m_crText);
    m_rcClient.left = ButtonGeometry::CheckTextLeft(client, m_fScale);
    DrawTextW(hDC, text.c_str(), -1, &m_rcClient, DT_VCENTER | DT_SINGLELINE);
}
