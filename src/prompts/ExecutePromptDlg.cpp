#include "prompts/ExecutePromptDlg.h"

#include "ui/Messages.h"
#include "prompts/ExecutePromptChildDlg.h"
#include "res/resource.h"

#include <utility>

CExecutePromptDlg::CExecutePromptDlg(CWnd* pParent)
    : CLayeredFrameDlg(IDD_EXECUTE_PROMPT, kExecutePromptPair, IDB_EXECUTE_PROMPT_FRAME, pParent) {}

void CExecutePromptDlg::SetText(std::wstring strText) {
    m_strText = std::move(strText);
}

void CExecutePromptDlg::EndFromOwner() {
    if (m_hWnd != nullptr) {
        SendMessage(WM_CLOSE_EXECUTE_PROMPT);
    } else {
        m_bEndWhenUp = true;
    }
}

BOOL CExecutePromptDlg::OnInitDialog() {
    CLayeredFrameDlg::OnInitDialog();
    if (m_bEndWhenUp) {
        m_bEndWhenUp = false;
        OnCloseExecutePrompt(0, 0);
    }
    return TRUE;
}

CFrameContentDlg* CExecutePromptDlg::NewContent() {
    auto* pChild = new CExecutePromptChildDlg;
    pChild->SetText(m_strText);
    return pChild;
}

void CExecutePromptDlg::PrepareGraphics(Gdiplus::Graphics& graphics) {
    graphics.SetSmoothingMode(Gdiplus::SmoothingModeHighQuality);
}

void CExecutePromptDlg::OnCancel() {}

LRESULT CExecutePromptDlg::OnCloseExecutePrompt(WPARAM, LPARAM) {
    // Without its image the frame has no content, and the message must still end it.
    if (m_pChildDlg) {
        static_cast<CExecutePromptChildDlg*>(m_pChildDlg.get())->StopAnimation();
    }
    CLayeredFrameDlg::OnOK();
    return 0;
}

LRESULT CExecutePromptDlg::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_CLOSE_EXECUTE_PROMPT) {
        return OnCloseExecutePrompt(wParam, lParam);
    }
    return CLayeredFrameDlg::WindowProc(msg, wParam, lParam);
}
