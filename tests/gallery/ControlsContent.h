#pragma once

#include "ui/CheckBoxBtn.h"
#include "ui/DrawStateInfoStatic.h"
#include "ui/DrawTextStatic.h"
#include "ui/FrameContentDlg.h"
#include "ui/ImageButton.h"
#include "ui/PngButton.h"

#include <string>

// A link label that also counts its paints, so that tests can see it repaint only on change.
class CountingLinkStatic : public CDrawTextStatic {
public:
    int nPaints = 0;

protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
};

// The gallery's controls page: the main panel's template and artwork holding every skinned
// control, each reporting what happens to it in the journal (see Gallery.cpp).
class ControlsContent : public CFrameContentDlg {
public:
    // Margins of the large button, design pixels: clicks there are not "inside".
    static constexpr int kLargeMargin = 12;
    static constexpr UINT WM_APP_ENABLED = WM_APP + 21;

    explicit ControlsContent(const std::wstring& journalPath);

protected:
    void LayoutControls(BOOL bFirst) override;
    void OnDestroyContent() override;
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void OnTimer(UINT_PTR nIdEvent) override;

private:
    static DWORD WINAPI ToggleSmallThread(LPVOID pParam);
    void OnClicked(int nId);
    void Journal(const std::wstring& line);

    std::wstring m_journalPath;
    CPngButton m_btnClose;
    CPngButton m_btnMinimize;
    CImageButton m_btnLarge;
    CImageButton m_btnMedium;
    CImageButton m_btnSmall;
    CImageButton m_btnMoreTools;
    CCheckBoxBtn m_chkAgree;
    CountingLinkStatic m_stcAgreement;
    CountingLinkStatic m_stcFeedback;
    CDrawStateInfoStatic m_stcTitle;
    int m_nLastPaints[2] = {-1, -1};
};
