#include "prompts/ExecutePromptChildDlg.h"

#include "prompts/PromptLayout.h"
#include "res/resource.h"

#include <utility>

CExecutePromptChildDlg::CExecutePromptChildDlg()
    : CFrameContentDlg(IDD_EXECUTE_PROMPT_CHILD, kExecutePromptPair,
                       IDB_EXECUTE_PROMPT_BACKGROUND) {
    // The label repaints every second over this background; composing it first keeps the
    // panel from flickering.
    m_bBufferedBackground = true;
}

void CExecutePromptChildDlg::SetText(std::wstring strText) {
    m_strText = std::move(strText);
}

void CExecutePromptChildDlg::StopAnimation() {
    m_staticState.StopAnimation();
}

void CExecutePromptChildDlg::DoDataExchange() {
    m_staticState.SubclassDlgItem(IDC_STATIC_STATE, this);
}

void CExecutePromptChildDlg::LayoutControls(BOOL bFirst) {
    const RECT rc = GetClientRect();
    const PixelRect client{rc.left, rc.top, rc.right, rc.bottom};

    m_staticState.SetWindowText(PromptLayout::WorkingText(m_strText));
    m_staticState.SetAlign(5);
    m_staticState.SetInfoTextColor(RGB(255, 255, 255));
    const PixelRect label = PromptLayout::WorkingLabel(client, m_fScale);
    if (bFirst) {
        m_staticState.SetBkImage(m_pBkImage.get());
        m_staticState.SetFontSize(0, 0);
        m_staticState.StartAnimation();
    }
    m_staticState.SetBkRect(10, 32, 194, 72);
    m_staticState.MoveWindow(label.left, label.top, label.Width(), label.Height(), TRUE);
}

void CExecutePromptChildDlg::OnDestroyContent() {
    m_staticState.m_nDotCount = 0;
    m_staticState.Invalidate(TRUE);
    // The background goes right after this; the label must not paint from it any more.
    m_staticState.SetBkImage(nullptr);
}

void CExecutePromptChildDlg::OnCancel() {}
