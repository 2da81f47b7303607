#pragma once

#include "framework/Button.h"
#include "framework/GdiObject.h"
#include "framework/PaintBuffer.h"
#include "ui/PngResource.h"

#include <windows.h>

// The skinned automatic check box: the system keeps, toggles and reports the checked state;
// this class paints a 16 × 16 glyph from PNG 150 (scaled) followed by the window text.
class CCheckBoxBtn : public CButton {
public:
    CCheckBoxBtn();

    // The text font becomes a copy of the parent's font.
    void SetFontFromParent();
    // The parent's background (not owned) and the patch of it behind the control.
    void SetBkImage(Gdiplus::Image* pImage);
    void SetBkRect(int left, int top, int right, int bottom);

    RECT m_rcClient{};
    COLORREF m_crText = RGB(0, 0, 0);
    Gdiplus::Image* m_pBkImage = nullptr;
    RECT m_rcBk{};
    float m_fScale = 1.0f;

protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    // With the window, while GDI+ still runs: the owner may outlive GDI+.
    void OnDestroy() override;

    // The glyph strip's resource; tests point it at a missing one.
    UINT m_nGlyphPng;

private:
    void OnPaint();
    void Draw(HDC hDC);

    CImagePtr m_pGlyphImage;
    // Kept from the first paint on, made again only if the control was resized.
    CPaintBuffer m_buffer;
    CGdiObject<HBRUSH> m_hBkBrush;
    CGdiObject<HFONT> m_hFont;
};
