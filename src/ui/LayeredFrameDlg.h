#pragma once

#include "framework/Dialog.h"
#include "ui/FrameGeometry.h"
#include "ui/PngResource.h"

#include <windows.h>
#include <objidl.h>

#include <gdiplus.h>

#include <memory>

class CFrameContentDlg;

// The outer half of a skinned window: a layered popup showing one PNG with per-pixel alpha,
// pushed once, carrying an owned content dialog on its opaque inner area.
class CLayeredFrameDlg : public CDialog {
public:
    CLayeredFrameDlg(UINT nTemplateId, const FramePairMetrics& pair, UINT nFramePng,
                     CWnd* pParent = nullptr);
    ~CLayeredFrameDlg() override;

    // Called by a dragged content with its window rectangle: from now on the frame follows it.
    void MoveWithChild(int left, int top, int right, int bottom);
    BOOL PreTranslateMessage(MSG* pMsg) override;

    CImagePtr m_pBkImage;
    std::unique_ptr<CFrameContentDlg> m_pChildDlg;
    float m_fScale = 1.0f;
    BOOL m_bFollowChild = TRUE;

protected:
    // The framework's initialisation, then InitFrameWhereItStands. Frames that place themselves
    // or set data first (the shell, the feedback frame) run these steps themselves.
    BOOL OnInitDialog() override;
    // ShowFrameImage sized for the scale where the window stands, and CreateContent at the
    // frame's window rectangle.
    void InitFrameWhereItStands();
    // Makes the window layered and pushes the frame image, stretched to the rectangle's size,
    // at the window's position; false (nothing shown, no content) without the image.
    bool ShowFrameImage(const PixelRect& frame);
    // Creates the content from NewContent at the frame rectangle's insets and shows it; false
    // when its window could not be made.
    bool CreateContent(const PixelRect& frame);
    // A new content object carrying this frame's window data; the frame hands it the scale.
    virtual CFrameContentDlg* NewContent() = 0;
    // The working prompt's frame draws with high-quality smoothing; the others do not.
    virtual void PrepareGraphics(Gdiplus::Graphics& graphics);

    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void OnMove(int x, int y) override;
    void OnDestroy() override;

    const FramePairMetrics& m_pair;
    UINT m_nFramePng;

private:
    void OnRestackContent();
};
