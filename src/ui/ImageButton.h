#pragma once

#include "ui/ButtonGeometry.h"
#include "ui/SkinButton.h"

// A large owner-drawn image button. Owners ask IsCursorInside to ignore clicks that land in
// the transparent margins of the artwork; EnableButton may be called from any thread.
class CImageButton : public CSkinButton {
public:
    void SetMargins(int left, int top, int right, int bottom);
    // Whether the cursor lies in the client rectangle less the margins.
    BOOL IsCursorInside();
    // TRUE: normal state and enabled window; FALSE: disabled state and window. Repaints.
    void EnableButton(BOOL bEnable);
    void DrawItem(DRAWITEMSTRUCT* pDraw) override;

    COLORREF m_crText = RGB(0, 0, 0);
    RECT m_rcClient{};
    ButtonMargins m_margins;

protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    // A release outside the button after a drag does not show the hover image.
    bool CountsAt(LPARAM lParam) const override;

private:
    // Composes background, state image and caption off-screen and copies them to hDC.
    void Paint(HDC hDC, bool bFromDrawItem);
};
