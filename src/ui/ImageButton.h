#pragma once

#include "framework/Button.h"
#include "ui/ButtonGeometry.h"
#include "ui/ButtonState.h"

#include <windows.h>
#include <objidl.h>

#include <gdiplus.h>

#include <atomic>
#include <string>

// A large owner-drawn image button. Owners ask IsCursorInside to ignore clicks that land in
// the transparent margins of the artwork; EnableButton may be called from any thread.
class CImageButton : public CButton {
public:
    CImageButton();
    ~CImageButton() override;

    // Loads the four state images (normal, hover, pressed, disabled) from PNG resources.
    void SetImages(UINT nNormal, UINT nHover, UINT nPressed, UINT nDisabled);
    // Deletes the state images; the owner calls it when its window is destroyed.
    void FreeImages();
    // The parent's background (not owned) and the patch of it behind the button.
    void SetBkImage(Gdiplus::Image* pImage);
    void SetBkRect(int left, int top, int right, int bottom);
    void SetMargins(int left, int top, int right, int bottom);
    // Whether the cursor lies in the client rectangle less the margins.
    BOOL IsCursorInside();
    // TRUE: normal state and enabled window; FALSE: disabled state and window. Repaints.
    void EnableButton(BOOL bEnable);

    void DrawItem(DRAWITEMSTRUCT* pDraw) override;

    Gdiplus::Image* m_pBkImage = nullptr;
    RECT m_rcBk{};
    // Indexed by ButtonImage; owned.
    Gdiplus::Image* m_pImages[4] = {};
    std::atomic<int> m_nState{BUTTON_STATE_NORMAL};
    BOOL m_bTracking = FALSE;
    std::wstring m_strText;
    COLORREF m_crText = RGB(0, 0, 0);
    RECT m_rcClient{};
    ButtonMargins m_margins;

protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    // Composes background, state image and caption off-screen and copies them to hDC.
    void Paint(HDC hDC, bool bFromDrawItem);
    void OnMouseMove();
    void OnPointerEvent(ButtonEvent event, LPARAM lParam);
    void OnMouseLeave();
    void ChangeState(int nState);

    HBRUSH m_hBkBrush;
};
