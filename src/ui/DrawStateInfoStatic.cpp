#include "ui/DrawStateInfoStatic.h"

#include "ui/LabelLayout.h"
#include "ui/SkinPaint.h"

CDrawStateInfoStatic::CDrawStateInfoStatic()
    : CSkinStatic(::CreateSolidBrush(RGB(255, 255, 255))) {}

void CDrawStateInfoStatic::SetInfoTextColor(COLORREF crText) {
    m_crText = crText;
    if (m_hWnd != nullptr) {
        Invalidate(TRUE);
    }
}

void CDrawStateInfoStatic::StartAnimation() {
    if (m_hWnd != nullptr) {
        SetTimer(kDotTimerId, kDotTimerPeriodMs);
    }
}

void CDrawStateInfoStatic::StopAnimation() {
    m_nDotCount = 0;
    // Without a window, KillTimer and InvalidateRect would act on the thread and the desktop.
    if (m_hWnd != nullptr) {
        KillTimer(kDotTimerId);
        Invalidate(TRUE);
    }
}

void CDrawStateInfoStatic::OnTimer(UINT_PTR nIdEvent) {
    if (nIdEvent != kDotTimerId) {
        CSkinStatic::OnTimer(nIdEvent);
        return;
    }
    m_nDotCount = NextDotCount(m_nDotCount);
    Invalidate(TRUE);
}

void CDrawStateInfoStatic::Draw(HDC hDC) {
    if (m_hBkBrush != nullptr) {
        ::FillRect(hDC, &m_rcClient, m_hBkBrush);
    }
    ::SetBkMode(hDC, TRANSPARENT);
    const CSelectGuard font(hDC, m_font);
    ::SetTextColor(hDC, m_crText);
    const std::wstring text = GetWindowText() + std::wstring(DotSuffix(m_nDotCount));
    DrawImagePatch(hDC, m_pBkImage, m_rcBk, m_rcClient);
    DrawAlignedText(hDC, text, m_rcClient, StatusLabelAlignment(m_nAlign));
}
