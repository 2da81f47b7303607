#pragma once

#include "framework/GdiObject.h"
#include "framework/Static.h"

#include <windows.h>

// After <windows.h>: GDI+ needs the COM declarations that WIN32_LEAN_AND_MEAN leaves out.
#include <objidl.h>

#include <gdiplus.h>

// What both skinned labels share: they paint their window text themselves, composed off-screen,
// in a font derived from their parent's, over a fill or a patch of the parent's background.
class CSkinStatic : public CStatic {
public:
    void SetAlign(int nAlign);
    // The image stays owned by the caller and must outlive the label's painting.
    void SetBkImage(Gdiplus::Image* pImage);
    // Source rectangle of the patch in image pixels.
    void SetBkRect(int nLeft, int nTop, int nRight, int nBottom);
    // m_font becomes a copy of the parent's font, changed as CreateDerivedFont does; the label
    // owns it and deletes the one it replaces.
    void SetFontSize(int nHeightChange, int nWeight);

    RECT m_rcClient{};
    CGdiObject<HFONT> m_font;
    int m_nAlign = 0;
    Gdiplus::Image* m_pBkImage = nullptr;
    RECT m_rcBk{};

protected:
    explicit CSkinStatic(HBRUSH hBkBrush);
    // Paints on WM_PAINT and, with the same picture, on WM_PRINTCLIENT; a new window text is
    // only stored and repainted the label's way, never drawn in the plain static's look.
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    // Draws the whole label into the off-screen DC; m_rcClient is current.
    virtual void Draw(HDC hDC) = 0;

    CGdiObject<HBRUSH> m_hBkBrush;

private:
    void OnPaint();
};
