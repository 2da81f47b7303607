#pragma once

#include "ui/SkinStatic.h"

// A skinned status label: its window text followed by a run of zero to three dots that grows
// once a second while animated, painted on white or an image patch.
class CDrawStateInfoStatic : public CSkinStatic {
public:
    static constexpr UINT_PTR kDotTimerId = 36;
    static constexpr UINT kDotTimerPeriodMs = 1000;

    CDrawStateInfoStatic();

    // Stores the colour and repaints.
    void SetInfoTextColor(COLORREF crText);
    void StartAnimation();
    // Stops the timer and repaints without dots.
    void StopAnimation();

    COLORREF m_crText = RGB(0, 0, 0);
    int m_nDotCount = 0;

protected:
    void OnTimer(UINT_PTR nIdEvent) override;
    void Draw(HDC hDC) override;
};
