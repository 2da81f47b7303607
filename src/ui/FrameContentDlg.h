#pragma once

#include "framework/Dialog.h"
#include "ui/FrameGeometry.h"

#include <windows.h>
#include <objidl.h>

#include <gdiplus.h>

class CLayeredFrameDlg;

// The inner half of a skinned window: an ordinary dialog with the controls, painting an
// opaque background PNG, laid exactly on its frame's opaque area.
class CFrameContentDlg : public CDialog {
public:
    CFrameContentDlg(UINT nTemplateId, const FramePairMetrics& pair, UINT nBackgroundPng);
    ~CFrameContentDlg() override;

    BOOL PreTranslateMessage(MSG* pMsg) override;

    Gdiplus::Image* m_pBkImage = nullptr;
    float m_fScale = 1.0f;
    BOOL m_bLaidOut = FALSE;
    BOOL m_bInCaption = FALSE;

protected:
    BOOL OnInitDialog() override;
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    // Positions (and on the first call also configures) the controls for the current size.
    virtual void LayoutControls(BOOL bFirst);
    // Lets controls release what they hold before the window goes.
    virtual void OnDestroyContent();

    const FramePairMetrics& m_pair;
    UINT m_nBackgroundPng;
    // Composes the background in a memory bitmap first (the working prompt does).
    bool m_bBufferedBackground = false;

private:
    bool EnsureBackground();
    void DrawBackground(HDC hDC);
    LRESULT OnNcHitTest(WPARAM wParam, LPARAM lParam);
    void OnMoved();
};
