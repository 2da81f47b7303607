#pragma once

#include "framework/Dialog.h"
#include "ui/FrameGeometry.h"
#include "ui/PngResource.h"

#include <windows.h>

// The inner half of a skinned window: an ordinary dialog with the controls, painting an
// opaque background PNG, laid exactly on its frame's opaque area.
class CFrameContentDlg : public CDialog {
public:
    CFrameContentDlg(UINT nTemplateId, const FramePairMetrics& pair, UINT nBackgroundPng);
    ~CFrameContentDlg() override;

    BOOL PreTranslateMessage(MSG* pMsg) override;

    CImagePtr m_pBkImage;
    float m_fScale = 1.0f;
    BOOL m_bLaidOut = FALSE;
    BOOL m_bInCaption = FALSE;

protected:
    // The framework's initialisation (controls bound), LoadBackground, the first LayoutControls.
    // A content with work of its own before its first layout runs these steps itself.
    BOOL OnInitDialog() override;
    // The background image, loaded on first need; false when it cannot be.
    bool LoadBackground();
    // Positions (and on the first call also configures) the controls for the current size.
    virtual void LayoutControls(BOOL bFirst);
    // Lets controls release what they hold before the window goes.
    virtual void OnDestroyContent();
    // Moves a control onto a rectangle of this content's client area, repainting it.
    static void MoveTo(CWnd& control, const PixelRect& rc);

    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void OnSize(UINT nType, int cx, int cy) override;
    // Inside the caption band the content is dragged like a caption.
    LRESULT OnNcHitTest(POINT ptScreen, LRESULT nHitTest) override;
    // A content dragged by its band takes its frame along.
    void OnMove(int x, int y) override;
    void OnDestroy() override;

    const FramePairMetrics& m_pair;
    UINT m_nBackgroundPng;
    // Composes the background off-screen first (the working prompt does).
    bool m_bBufferedBackground = false;

private:
    bool IsDraggable() const { return m_pair.nCaptionHeight > 0; }
    void DrawBackground(HDC hDC);
};
