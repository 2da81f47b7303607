#include "prompts/PromptDlg.h"

#include "prompts/PromptChildDlg.h"
#include "res/resource.h"
#include "system/Timeline.h"

#include <utility>

CPromptDlg::CPromptDlg(CWnd* pParent)
    : CLayeredFrameDlg(IDD_PROMPT, kPromptPair, IDB_PROMPT_FRAME, pParent) {}

void CPromptDlg::SetText(std::wstring strText) {
    m_strText = std::move(strText);
}

void CPromptDlg::SetType(int nType) {
    m_nType = nType;
}

CFrameContentDlg* CPromptDlg::NewContent() {
    auto* pChild = new CPromptChildDlg;
    pChild->SetText(m_strText);
    pChild->SetType(m_nType);
    return pChild;
}

BOOL CPromptDlg::OnInitDialog() {
    CLayeredFrameDlg::OnInitDialog();
    if (!m_pChildDlg || m_pChildDlg->m_hWnd == nullptr) {
        // Without its content the prompt would be an invisible modal window with no answer
        // to give, holding the caller forever: it answers "no" at once instead.
        EndDialog(IDCANCEL);
    }
    return TRUE;
}

LRESULT CPromptDlg::OnPromptResult(WPARAM wParam, LPARAM) {
    KELVANE_MARK("prompt answered");
    if (wParam == 1) {
        OnOK();
    } else {
        OnCancel();
    }
    return 0;
}

LRESULT CPromptDlg::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_PROMPT_RESULT) {
        return OnPromptResult(wParam, lParam);
    }
    return CLayeredFrameDlg::WindowProc(msg, wParam, lParam);
}
