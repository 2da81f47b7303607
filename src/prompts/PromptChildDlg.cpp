#include "prompts/PromptChildDlg.h"

#include "prompts/PromptDlg.h"
#include "res/resource.h"

#include <utility>

namespace {

void LoadImages(CPngButton& button, const PromptButtonImages& images) {
    button.SetImages(images.nNormal, images.nHover, images.nPressed, images.nDisabled);
}

} // namespace

CPromptChildDlg::CPromptChildDlg()
    : CFrameContentDlg(IDD_PROMPT_CHILD, kPromptPair, IDB_PROMPT_BACKGROUND) {}

void CPromptChildDlg::SetText(std::wstring strText) {
    m_strText = std::move(strText);
}

void CPromptChildDlg::SetType(int nType) {
    m_nType = nType;
}

void CPromptChildDlg::DoDataExchange() {
    m_btnClose.SubclassDlgItem(IDC_BUTTON_PROMPT_CLOSE, this);
    m_btnOK.SubclassDlgItem(IDC_BUTTON_PROMPT_OK, this);
    m_btnCancel.SubclassDlgItem(IDC_BUTTON_PROMPT_CANCEL, this);
    m_staticText.SubclassDlgItem(IDC_STATIC_PROMPT_TEXT, this);
}

void CPromptChildDlg::LayoutControls(BOOL bFirst) {
    const RECT rc = GetClientRect();
    const PixelRect client{rc.left, rc.top, rc.right, rc.bottom};
    const float s = m_fScale;

    if (bFirst) {
        m_btnClose.m_fScale = s;
        m_btnClose.SetBkImage(m_pBkImage.get());
        m_btnClose.SetBkRect(321, 8, 333, 20);
        m_btnClose.SetImages(IDB_PROMPT_CLOSE_NORMAL, IDB_PROMPT_CLOSE_HOVER,
                             IDB_PROMPT_CLOSE_PRESSED, IDB_PROMPT_CLOSE_PRESSED);
    }
    MoveTo(m_btnClose, PromptLayout::CloseButton(client, s));

    if (bFirst) {
        m_btnOK.SetBkImage(m_pBkImage.get());
        m_btnOK.SetBkRect(106, 107, 161, 131);
    }
    MoveTo(m_btnOK, PromptLayout::FirstButton(client, s));

    if (bFirst) {
        m_btnCancel.SetBkImage(m_pBkImage.get());
        m_btnCancel.SetBkRect(185, 107, 240, 131);
    }
    MoveTo(m_btnCancel, PromptLayout::SecondButton(client, s));

    if (bFirst) {
        LoadImages(m_btnOK, PromptLayout::FirstButtonImages(m_nType));
        LoadImages(m_btnCancel, PromptLayout::SecondButtonImages(m_nType));
    }
    m_btnOK.ShowWindow(SW_SHOW);
    const bool bPair = PromptLayout::HasSecondButton(m_nType);
    m_btnCancel.ShowWindow(bPair ? SW_SHOW : SW_HIDE);
    if (!bPair) {
        MoveTo(m_btnOK, PromptLayout::CentredButton(client, s));
    }

    if (bFirst) {
        m_staticText.SetFontSize(0, 0);
        m_staticText.SetAlign(7);
    }
    m_staticText.SetWindowText(m_strText);
    MoveTo(m_staticText, PromptLayout::TextLabel(client, s));
}

void CPromptChildDlg::OnDestroyContent() {
    // The background goes right after this; nothing may paint from it any more. The buttons
    // free their own images as their windows go.
    for (CPngButton* pButton : {&m_btnClose, &m_btnOK, &m_btnCancel}) {
        pButton->SetBkImage(nullptr);
    }
    m_staticText.SetBkImage(nullptr);
}

void CPromptChildDlg::SendToFrame(UINT msg, WPARAM wParam) {
    HWND hFrame = GetWindow(m_hWnd, GW_OWNER);
    if (hFrame != nullptr) {
        ::SendMessageW(hFrame, msg, wParam, 0);
    }
}

void CPromptChildDlg::OnBnClickedOk() {
    SendToFrame(WM_PROMPT_RESULT, 1);
}

void CPromptChildDlg::OnBnClickedCancel() {
    SendToFrame(WM_PROMPT_RESULT, 2);
}

void CPromptChildDlg::OnBnClickedClose() {
    SendToFrame(WM_CLOSE, 0);
}

void CPromptChildDlg::OnCancel() {
    OnBnClickedClose();
}

LRESULT CPromptChildDlg::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
        switch (LOWORD(wParam)) {
        case IDC_BUTTON_PROMPT_OK:
            OnBnClickedOk();
            return 0;
        case IDC_BUTTON_PROMPT_CANCEL:
            OnBnClickedCancel();
            return 0;
        case IDC_BUTTON_PROMPT_CLOSE:
            OnBnClickedClose();
            return 0;
        default:
            break;
        }
    }
    return CFrameContentDlg::WindowProc(msg, wParam, lParam);
}
