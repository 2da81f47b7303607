#pragma once

#include "service/FeedbackDll.h"
#include "ui/FrameContentDlg.h"
#include "ui/ImageButton.h"
#include "ui/PngButton.h"

// The feedback dialog's content: the question is part of the background, the three answers are
// image buttons, the close button stays hidden. Each answer is recorded through the library and
// closes the dialog.
class CProblemSolvingFeedbackChildDlg : public CFrameContentDlg {
public:
    CProblemSolvingFeedbackChildDlg();

    CPngButton m_btnClose;
    CImageButton m_btnSolved;
    CImageButton m_btnUnsolved;
    CImageButton m_btnMoreSolutions;
    CFeedbackDll* m_pFeedbackDll = nullptr;
    // Carried for the library's strings; not used here.
    BSTR* m_pFeedbackInfo = nullptr;
    int m_nDeviceType = 0;

protected:
    void DoDataExchange() override;
    void LayoutControls(BOOL bInit) override;
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    // One of the three answers is the only way out: Alt+F4 on the content does nothing.
    void OnOK() override;
    void OnCancel() override;

    void OnBnClickedSolved();
    void OnBnClickedUnsolved();
    void OnBnClickedMoreSolutions();

private:
    void Answer(int nOutcome, bool bAskQuestion);
};
