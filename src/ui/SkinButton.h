#pragma once

#include "framework/Button.h"
#include "framework/GdiObject.h"
#include "ui/ButtonState.h"
#include "ui/FrameGeometry.h"
#include "ui/PngResource.h"

#include <windows.h>

#include <objidl.h>

#include <gdiplus.h>

#include <atomic>
#include <string>

// What both image buttons share: four owned state images over a patch of the parent's
// background, and the pointer tracking that picks the state. Clicks reach the parent as
// BN_CLICKED; the buttons only draw and track.
class CSkinButton : public CButton {
public:
    CSkinButton();

    // Takes the four state images (normal, hover, pressed, disabled) from PNG resources. The
    // normal one is decoded at once, each other one when the button first shows it: a start-up
    // need not wait for pictures no window shows yet.
    void SetImages(UINT nNormal, UINT nHover, UINT nPressed, UINT nDisabled);
    // Deletes the state images. The button does so itself when its window is destroyed (GDI+
    // still runs then); owners may call it earlier.
    void FreeImages();
    // The parent's background (not owned) and the patch of it behind the button.
    void SetBkImage(Gdiplus::Image* pImage);
    void SetBkRect(int left, int top, int right, int bottom);

    Gdiplus::Image* m_pBkImage = nullptr;
    RECT m_rcBk{};
    // Indexed by ButtonImage; a state's slot is filled when the state is first shown.
    CImagePtr m_pImages[4];
    std::atomic<int> m_nState{BUTTON_STATE_NORMAL};
    BOOL m_bTracking = FALSE;
    std::wstring m_strText;

protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void OnDestroy() override;
    // Whether a hover or press at this client point counts; the large buttons ask.
    virtual bool CountsAt(LPARAM lParam) const;
    // Whether each state has its image, decoded or still to be decoded from a resource that is
    // there.
    bool HasAllImages() const;
    // The image the current state and the window's enabled state call for, decoded on its first
    // call; null if it cannot be decoded.
    Gdiplus::Image* CurrentImage(ButtonImage* pWhich = nullptr);
    // Composes the button off-screen in rc's size (white, the background patch, the source
    // rectangle of pImage, the caption in crCaption) and copies it to hDC in one BitBlt.
    void Compose(HDC hDC, const RECT& rc, Gdiplus::Image* pImage, const PixelRect& source,
                 COLORREF crCaption);

    CGdiObject<HBRUSH> m_hBkBrush;

private:
    // The resources of the states still to be decoded; 0 where there is none.
    UINT m_nImageIds[4]{};

    void OnMouseMove();
    void OnPointerEvent(ButtonEvent event, LPARAM lParam);
    void OnMouseLeave();
    void ChangeState(int nState);
};
