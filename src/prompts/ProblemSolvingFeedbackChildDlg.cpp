#include "prompts/ProblemSolvingFeedbackChildDlg.h"

#include "res/resource.h"
#include "prompts/FeedbackLayout.h"

CProblemSolvingFeedbackChildDlg::CProblemSolvingFeedbackChildDlg()
    : CFrameContentDlg(IDD_FEEDBACK_CHILD, kFeedbackPair, IDB_FEEDBACK_BACKGROUND) {}

void CProblemSolvingFeedbackChildDlg::DoDataExchange() {
    m_btnClose.SubclassDlgItem(IDC_BUTTON_FEEDBACK_CLOSE, this);
    m_btnSolved.SubclassDlgItem(IDC_BUTTON_SOLVED, this);
    m_btnUnsolved.SubclassDlgItem(IDC_BUTTON_UNSOLVED, this);
    m_btnMoreSolutions.SubclassDlgItem(IDC_BUTTON_MORE_SOLUTIONS, this);
}

void CProblemSolvingFeedbackChildDlg::LayoutControls(BOOL bInit) {
    const FeedbackLayout l = FeedbackLayout::Compute(ToPixelRect(GetClientRect()), m_fScale);

    m_btnClose.m_fScale = m_fScale;
    m_btnClose.SetImages(IDB_FEEDBACK_CLOSE_NORMAL, IDB_FEEDBACK_CLOSE_HOVER,
                         IDB_FEEDBACK_CLOSE_PRESSED, IDB_FEEDBACK_CLOSE_DISABLED);
    MoveTo(m_btnClose, l.close);
    m_btnClose.ShowWindow(SW_HIDE);

    struct AnswerButton {
        CImageButton& button;
        const FeedbackLayout::Answer& place;
        UINT nFirstImage;
    };
    const AnswerButton answers[] = {{m_btnSolved, l.solved, IDB_SOLVED_NORMAL},
                                    {m_btnUnsolved, l.unsolved, IDB_UNSOLVED_NORMAL},
                                    {m_btnMoreSolutions, l.more, IDB_MORE_SOLUTIONS_NORMAL}};
    for (const AnswerButton& a : answers) {
        if (bInit) {
            const int m = a.place.nMargin;
            a.button.SetBkImage(m_pBkImage.get());
            a.button.SetBkRect(a.place.patch.left, a.place.patch.top, a.place.patch.right,
                               a.place.patch.bottom);
            a.button.SetMargins(m, m, m, m);
            a.button.SetImages(a.nFirstImage, a.nFirstImage + 1, a.nFirstImage + 2,
                               a.nFirstImage + 3);
        }
        MoveTo(a.button, a.place.rc);
    }
}

LRESULT CProblemSolvingFeedbackChildDlg::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
        switch (LOWORD(wParam)) {
        case IDC_BUTTON_SOLVED:
            OnBnClickedSolved();
            return 0;
        case IDC_BUTTON_UNSOLVED:
            OnBnClickedUnsolved();
            return 0;
        case IDC_BUTTON_MORE_SOLUTIONS:
            OnBnClickedMoreSolutions();
            return 0;
        default:
            break;
        }
    }
    return CFrameContentDlg::WindowProc(msg, wParam, lParam);
}

void CProblemSolvingFeedbackChildDlg::OnOK() {}

void CProblemSolvingFeedbackChildDlg::OnCancel() {}

void CProblemSolvingFeedbackChildDlg::OnBnClickedSolved() {
    if (m_btnSolved.IsCursorInside()) {
        Answer(1, false);
    }
}

void CProblemSolvingFeedbackChildDlg::OnBnClickedUnsolved() {
    if (m_btnUnsolved.IsCursorInside()) {
        Answer(2, true);
    }
}

void CProblemSolvingFeedbackChildDlg::OnBnClickedMoreSolutions() {
    Answer(3, true);
}

void CProblemSolvingFeedbackChildDlg::Answer(int nOutcome, bool bAskQuestion) {
    if (m_pFeedbackDll != nullptr) {
        m_pFeedbackDll->RecordOutcome(nOutcome, m_nDeviceType);
        if (bAskQuestion) {
            m_pFeedbackDll->FeedbackQuestion(FEEDBACK_TOOL_ID, FEEDBACK_TOOL_VERSION);
        }
    }
    ::SendMessageW(GetParent(m_hWnd), WM_CLOSE, 0, 0);
}
