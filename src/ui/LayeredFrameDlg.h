#pragma once

#include "framework/Dialog.h"
#include "ui/FrameGeometry.h"

#include <windows.h>
#include <objidl.h>

#include <gdiplus.h>

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

    Gdiplus::Image* m_pBkImage = nullptr;
    CFrameContentDlg* m_pChildDlg = nullptr;
    float m_fScale = 1.0f;
    BOOL m_bFollowChild = TRUE;

protected:
    BOOL OnInitDialog() override;
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    // A new content object carrying this frame's scale and window data; not yet created.
    virtual CFrameContentDlg* NewContent() = 0;
    // The working prompt's frame draws with high-quality smoothing; the others do not.
    virtual void PrepareGraphics(Gdiplus::Graphics& graphics);

    const FramePairMetrics& m_pair;
    UINT m_nFramePng;

private:
    bool PushLayeredImage(int nWidth, int nHeight);
    void OnMove();
    void OnRestackContent();
    void OnDestroy();
};
