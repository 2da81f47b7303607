#include "ui/DrawStateInfoStatic.h"

#include "ui/LabelFont.h"
#include "ui/LabelLayout.h"
#include "ui/LabelPaint.h"

CDrawStateInfoStatic::CDrawStateInfoStatic() : m_hBkBrush(::CreateSolidBrush(RGB(255, 255, 255))) {}

CDrawStateInfoStatic::~CDrawStateInfoStatic() {
    if (m_hBkBrush != nullptr) {
        ::DeleteObject(m_hBkBrush);
    }
    if (m_font != nullptr) {
        ::DeleteObject(m_font);
    }
}

void CDrawStateInfoStatic::SetAlign(int nAlign) {
    m_nAlign = nAlign;
}

void CDrawStateInfoStatic::SetInfoTextColor(COLORREF crText) {
    m_crText = crText;
    if (m_hWnd != nullptr) {
        Invalidate(TRUE);
    }
}

void CDrawStateInfoStatic::SetBkImage(Gdiplus::Image* pImage) {
    m_pBkImage = pImage;
}

void CDrawStateInfoStatic::SetBkRect(int nLeft, int nTop, int nRight, int nBottom) {
    m_rcBk = {nLeft, nTop, nRight, nBottom};
}

void CDrawStateInfoStatic::SetFontSize(int nHeightChange, int nWeight) {
    CreateDerivedFont(m_hWnd != nullptr ? ::GetParent(m_hWnd) : nullptr, nHeightChange, nWeight,
                      &m_font);
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

LRESULT CDrawStateInfoStatic::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
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
    case WM_TIMER:
        OnTimer(wParam);
        return Default(msg, wParam, lParam);
    default:
        break;
    }
    return CStatic::WindowProc(msg, wParam, lParam);
}

void CDrawStateInfoStatic::OnTimer(UINT_PTR nIdEvent) {
    if (nIdEvent == kDotTimerId) {
        m_nDotCount = NextDotCount(m_nDotCount);
        Invalidate(TRUE);
    }
}

void CDrawStateInfoStatic::OnPaint() {
    PAINTSTRUCT ps{};
    HDC hDC = ::BeginPaint(m_hWnd, &ps);
    m_rcClient = GetClientRect();
    PaintBuffered(hDC, m_rcClient, [this](HDC hMem) { Draw(hMem); });
    ::EndPaint(m_hWnd, &ps);
}

void CDrawStateInfoStatic::Draw(HDC hDC) {
    if (m_hBkBrush != nullptr) {
        ::FillRect(hDC, &m_rcClient, m_hBkBrush);
    }
    ::SetBkMode(hDC, TRANSPARENT);
    HGDIOBJ hOldFont = m_font != nullptr ? ::SelectObject(hDC, m_font) : nullptr;
    ::SetTextColor(hDC, m_crText);
    const std::wstring text = GetWindowText() + std::wstring(DotSuffix(m_nDotCount));
    DrawImagePatch(hDC, m_pBkImage, m_rcBk, m_rcClient);
    DrawAlignedText(hDC, text, m_rcClient, StatusLabelAlignment(m_nAlign));
    if (hOldFont != nullptr) {
        ::SelectObject(hDC, hOldFont);
    }
}
