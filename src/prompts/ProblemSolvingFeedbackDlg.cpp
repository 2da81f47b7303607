#include "prompts/ProblemSolvingFeedbackDlg.h"

#include "res/resource.h"
#include "prompts/ProblemSolvingFeedbackChildDlg.h"
#include "ui/ScreenScale.h"

CProblemSolvingFeedbackDlg::CProblemSolvingFeedbackDlg(CWnd* pParent)
    : CLayeredFrameDlg(IDD_FEEDBACK, kFeedbackPair, IDB_FEEDBACK_FRAME, pParent) {}

BOOL CProblemSolvingFeedbackDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(L"Kelvane");
    // Its own, whatever its caller holds.
    m_fScale = ScreenScaleFactor();
    InitFrameWhereItStands();
    return TRUE;
}

CFrameContentDlg* CProblemSolvingFeedbackDlg::NewContent() {
    auto* pChild = new CProblemSolvingFeedbackChildDlg;
    pChild->m_pFeedbackDll = m_pFeedbackDll;
    pChild->m_pFeedbackInfo = m_pFeedbackInfo;
    pChild->m_nDeviceType = m_nDeviceType;
    return pChild;
}
