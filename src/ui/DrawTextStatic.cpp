#include "ui/DrawTextStatic.h"

#include "ui/LabelFont.h"
#include "ui/LabelLayout.h"
#include "ui/LabelPaint.h"

CDrawTextStatic::CDrawTextStatic() = default;

CDrawTextStatic::~CDrawTextStatic() {
    if (m_hBkBrush != nullptr) {
        ::DeleteObject(m_hBkBrush);
    }
    if (m_font != nullptr) {
        ::DeleteObject(m_font);
    }
}

void CDrawTextStatic::SetAlign(int nAlign) {
    m_nAlign = nAlign;
}

void CDrawTextStatic::SetTextColors(COLORREF crText, COLORREF crHover) {
    m_crText = crText;
    m_crHover = crHover;
}

void CDrawTextStatic::SetBkColor(COLORREF crBk) {
    m_crBk = crBk;
}

void CDrawTextStatic::SetBkImage(Gdiplus::Image* pImage) {
    m_pBkImage = pImage;
}

void CDrawTextStatic::SetBkRect(int nLeft, int nTop, int nRight, int nBottom) {
    m_rcBk = {nLeft, nTop, nRight, nBottom};
}

void CDrawTextStatic::SetFontSize(int nHeightChange, int nWeight) {
    CreateDerivedFont(m_hWnd != nullptr ? ::GetParent(m_hWnd) : nullptr, nHeightChange, nWeight,
                      &m_font);
}

void CDrawTextStatic::UpdateHover(POINT ptScreen) {
    if (m_hWnd == nullptr) {
        return;
    }
    const BOOL bHover = HitTest(ptScreen);
    if (bHover != m_bHover) {
        m_bHover = bHover;
        Invalidate(TRUE);
    }
}

BOOL CDrawTextStatic::HitTest(POINT ptScreen) const {
    if (m_hWnd == nullptr) {
        return FALSE;
    }
    const RECT rc = GetWindowRect();
    return ::PtInRect(&rc, ptScreen);
}

LRESULT CDrawTextStatic::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_PRINTCLIENT:
        // The same picture for PrintWindow and WM_PRINT as on the screen.
        m_rcClient = GetClientRect();
        PaintBuffered(reinterpret_cast<HDC>(wParam), m_rcClient, [this](HDC hDC) { Draw(hDC); });
        return 0;
    case WM_SETTEXT: {
        // The static control would paint its own look straight away; store the text only and
        // let the next paint show it our way.
        const LRESULT result = ::DefWindowProcW(m_hWnd, msg, wParam, lParam);
        Invalidate(TRUE);
        return result;
    }
    case WM_ENABLE:
        // Also painted straight away by the static control, though nothing here depends on it.
        return ::DefWindowProcW(m_hWnd, msg, wParam, lParam);
    default:
        break;
    }
    return CStatic::WindowProc(msg, wParam, lParam);
}

void CDrawTextStatic::OnPaint() {
    PAINTSTRUCT ps{};
    HDC hDC = ::BeginPaint(m_hWnd, &ps);
    m_rcClient = GetClientRect();
    PaintBuffered(hDC, m_rcClient, [this](HDC hMem) { Draw(hMem); });
    ::EndPaint(m_hWnd, &ps);
}

void CDrawTextStatic::Draw(HDC hDC) {
    // Made once: the fill keeps the colour of the first paint.
    if (m_hBkBrush == nullptr) {
        m_hBkBrush = ::CreateSolidBrush(m_crBk);
    }
    if (m_hBkBrush != nullptr) {
        ::FillRect(hDC, &m_rcClient, m_hBkBrush);
    }
    ::SetBkMode(hDC, TRANSPARENT);
    DrawImagePatch(hDC, m_pBkImage, m_rcBk, m_rcClient);

    HGDIOBJ hOldFont = m_font != nullptr ? ::SelectObject(hDC, m_font) : nullptr;
    ::SetTextColor(hDC, m_bHover ? m_crHover : m_crText);
    DrawAlignedText(hDC, GetWindowText(), m_rcClient, TextLabelAlignment(m_nAlign));
    if (hOldFont != nullptr) {
        ::SelectObject(hDC, hOldFont);
    }
}
