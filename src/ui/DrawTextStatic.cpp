#include "ui/DrawTextStatic.h"

#include "ui/LabelLayout.h"
#include "ui/SkinPaint.h"

// The fill brush is made at the first paint, from the colour of that moment.
CDrawTextStatic::CDrawTextStatic() : CSkinStatic(nullptr) {}

void CDrawTextStatic::SetTextColors(COLORREF crText, COLORREF crHover) {
    m_crText = crText;
    m_crHover = crHover;
}

void CDrawTextStatic::SetBkColor(COLORREF crBk) {
    m_crBk = crBk;
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

void CDrawTextStatic::Draw(HDC hDC) {
    // Made once: the fill keeps the colour of the first paint.
    if (m_hBkBrush == nullptr) {
        m_hBkBrush.Reset(::CreateSolidBrush(m_crBk));
    }
    if (m_hBkBrush != nullptr) {
        ::FillRect(hDC, &m_rcClient, m_hBkBrush);
    }
    ::SetBkMode(hDC, TRANSPARENT);
    DrawImagePatch(hDC, m_pBkImage, m_rcBk, m_rcClient);

    const CSelectGuard font(hDC, m_font);
    ::SetTextColor(hDC, m_bHover ? m_crHover : m_crText);
    DrawAlignedText(hDC, GetWindowText(), m_rcClient, TextLabelAlignment(m_nAlign));
}
