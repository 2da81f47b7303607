#pragma once

#include "framework/Static.h"

#include <windows.h>
// After <windows.h>: GDI+ needs the COM declarations that WIN32_LEAN_AND_MEAN leaves out.
#include <objidl.h>

#include <gdiplus.h>

// A skinned text label: paints its window text itself, double-buffered, over a solid fill or a
// patch of the parent's background image, in one of eight alignment modes (LabelLayout.h), with
// a second colour while the cursor is over it.
class CDrawTextStatic : public CStatic {
public:
    CDrawTextStatic();
    ~CDrawTextStatic() override;

    void SetAlign(int nAlign);
    void SetTextColors(COLORREF crText, COLORREF crHover);
    // Only effective before the first paint: the fill brush is made once, then kept.
    void SetBkColor(COLORREF crBk);
    // The image stays owned by the caller and must outlive the label's painting.
    void SetBkImage(Gdiplus::Image* pImage);
    // Source rectangle of the patch in image pixels.
    void SetBkRect(int nLeft, int nTop, int nRight, int nBottom);
    // m_font becomes a copy of the parent's font, changed as CreateDerivedFont does; the label
    // owns it and deletes the one it replaces.
    void SetFontSize(int nHeightChange, int nWeight);

    // Sets the hover state from a point in screen coordinates; repaints only on a change.
    void UpdateHover(POINT ptScreen);
    // Whether a point in screen coordinates lies inside the label.
    BOOL HitTest(POINT ptScreen) const;

    RECT m_rcClient{};
    HFONT m_font = nullptr;
    COLORREF m_crText = RGB(0, 0, 0);
    COLORREF m_crHover = RGB(0, 0, 255);
    COLORREF m_crBk = RGB(255, 255, 255);
    BOOL m_bHover = FALSE;
    int m_nAlign = 0;
    Gdiplus::Image* m_pBkImage = nullptr;
    RECT m_rcBk{};

protected:
    // Paints on WM_PAINT and, with the same picture, on WM_PRINTCLIENT; a new window text is
    // only stored and repainted the label's way, never drawn in the plain static's look.
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void OnPaint();
    void Draw(HDC hDC);

    HBRUSH m_hBkBrush = nullptr;
};
