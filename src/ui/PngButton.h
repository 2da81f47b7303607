#pragma once

#include "framework/Button.h"
#include "ui/ButtonState.h"

#include <windows.h>
#include <objidl.h>

#include <gdiplus.h>

#include <atomic>
#include <string>

// A small owner-drawn glyph button showing one of four PNG states over a patch of its
// parent's background. Clicks reach the parent as BN_CLICKED.
class CPngButton : public CButton {
public:
    CPngButton();
    ~CPngButton() override;

    // Loads the four state images (normal, hover, pressed, disabled) from PNG resources.
    void SetImages(UINT nNormal, UINT nHover, UINT nPressed, UINT nDisabled);
    // Deletes the state images; the owner calls it when its window is destroyed.
    void FreeImages();
    // The parent's background (not owned) and the patch of it behind the button.
    void SetBkImage(Gdiplus::Image* pImage);
    void SetBkRect(int left, int top, int right, int bottom);

    void DrawItem(DRAWITEMSTRUCT* pDraw) override;

    Gdiplus::Image* m_pBkImage = nullptr;
    RECT m_rcBk{};
    // Indexed by ButtonImage; owned.
    Gdiplus::Image* m_pImages[4] = {};
    std::atomic<int> m_nState{BUTTON_STATE_NORMAL};
    BOOL m_bTracking = FALSE;
    std::wstring m_strText;
    float m_fScale = 1.0f;

protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void OnMouseMove();
    void OnMouseHover();
    void OnLButtonDown();
    void OnMouseLeave();
    void ChangeState(int nState);

    HBRUSH m_hBkBrush;
};
