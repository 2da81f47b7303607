#pragma once

#include "ui/SkinStatic.h"

// A skinned text label in one of eight alignment modes (LabelLayout.h), with a second colour
// while the cursor is over it.
class CDrawTextStatic : public CSkinStatic {
public:
    CDrawTextStatic();

    void SetTextColors(COLORREF crText, COLORREF crHover);
    // Only effective before the first paint: the fill brush is made once, then kept.
    void SetBkColor(COLORREF crBk);
    // Sets the hover state from a point in screen coordinates; repaints only on a change.
    void UpdateHover(POINT ptScreen);
    // Whether a point in screen coordinates lies inside the label.
    BOOL HitTest(POINT ptScreen) const;

    COLORREF m_crText = RGB(0, 0, 0);
    COLORREF m_crHover = RGB(0, 0, 255);
    COLORREF m_crBk = RGB(255, 255, 255);
    BOOL m_bHover = FALSE;

protected:
    void Draw(HDC hDC) override;
};
