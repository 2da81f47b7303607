#pragma once

#include "framework/Static.h"

#include <windows.h>
// After <windows.h>: GDI+ needs the COM declarations that WIN32_LEAN_AND_MEAN leaves out.
#include <objidl.h>

#include <gdiplus.h>

// A skinned status label: its window text followed by a run of zero to three dots that grows
// once a second while animated, painted double-buffered on white or an image patch.
class CDrawStateInfoStatic : public CStatic {
public:
    static constexpr UINT_PTR kDotTimerId = 36;
    static constexpr UINT kDotTimerPeriodMs = 1000;

    CDrawStateInfoStatic();
    ~CDrawStateInfoStatic() override;

    void SetAlign(int nAlign);
    // Stores the colour and repaints.
    void SetInfoTextColor(COLORREF crText);
    // The image stays owned by the caller and must outlive the label's painting.
    void SetBkImage(Gdiplus::Image* pImage);
    // Source rectangle of the patch in image pixels.
    void SetBkRect(int nLeft, int nTop, int nRight, int nBottom);
    // m_font becomes a copy of the parent's font, changed as CreateDerivedFont does; the label
    // owns it and deletes the one it replaces.
    void SetFontSize(int nHeightChange, int nWeight);

    void StartAnimation();
    // Stops the timer and repaints without dots.
    void StopAnimation();

    RECT m_rcClient{};
    HFONT m_font = nullptr;
    COLORREF m_crText = RGB(0, 0, 0);
    int m_nDotCount = 0;
    int m_nAlign = 0;
    Gdiplus::Image* m_pBkImage = nullptr;
    RECT m_rcBk{};

protected:
    // Paints on WM_PAINT and, with the same picture, on WM_PRINTCLIENT; a new window text is
    // only stored and repainted the label's way, never drawn in the plain static's look.
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void OnTimer(UINT_PTR nIdEvent) override;

private:
    void OnPaint();
    void Draw(HDC hDC);

    HBRUSH m_hBkBrush = nullptr;
};
