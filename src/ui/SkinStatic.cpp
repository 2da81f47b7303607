#include "ui/SkinStatic.h"

#include "framework/PaintBuffer.h"
#include "ui/LabelFont.h"

CSkinStatic::CSkinStatic(HBRUSH hBkBrush) : m_hBkBrush(hBkBrush) {}

void CSkinStatic::SetAlign(int nAlign) {
    m_nAlign = nAlign;
}

void CSkinStatic::SetBkImage(Gdiplus::Image* pImage) {
    m_pBkImage = pImage;
}

void CSkinStatic::SetBkRect(int nLeft, int nTop, int nRight, int nBottom) {
    m_rcBk = {nLeft, nTop, nRight, nBottom};
}

void CSkinStatic::SetFontSize(int nHeightChange, int nWeight) {
    HFONT hFont = nullptr;
    CreateDerivedFont(m_hWnd != nullptr ? ::GetParent(m_hWnd) : nullptr, nHeightChange, nWeight,
                      &hFont);
    m_font.Reset(hFont);
}

LRESULT CSkinStatic::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
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

void CSkinStatic::OnPaint() {
    PAINTSTRUCT ps{};
    HDC hDC = ::BeginPaint(m_hWnd, &ps);
    m_rcClient = GetClientRect();
    PaintBuffered(hDC, m_rcClient, [this](HDC hMem) { Draw(hMem); });
    ::EndPaint(m_hWnd, &ps);
}
