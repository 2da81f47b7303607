#pragma once

#include "framework/Button.h"

#include <windows.h>
#include <objidl.h>

#include <gdiplus.h>

// The skinned automatic check box: the system keeps, toggles and reports the checked state;
// this class paints a 16 × 16 glyph from PNG 150 (scaled) followed by the window text.
class CCheckBoxBtn : public CButton {
public:
    CCheckBoxBtn();
    ~CCheckBoxBtn() override;

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

    // The glyph strip's resource; tests point it at a missing one.
    UINT m_nGlyphPng;

private:
    void OnPaint();
    bool EnsureSurface(HDC hDC, int nWidth, int nHeight);
    void ReleaseSurface();

    Gdiplus::Image* m_pGlyphImage = nullptr;
    HDC m_hMemDC = nullptr;
    HBITMAP m_hMemBitmap = nullptr;
    SIZE m_memSize{};
    HBITMAP m_hOldBitmap = nullptr;
    HBRUSH m_hBkBrush;
    HFONT m_hFont = nullptr;
    HFONT m_hOldFont = nullptr;
};
