#include "framework/Dialog.h"

#include "framework/WinApp.h"

#include <algorithm>

namespace {

BOOL CALLBACK CollectWindow(HWND hWnd, LPARAM lParam) {
    reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(hWnd);
    return TRUE;
}

} // namespace

CDialog::CDialog(UINT nTemplateId, CWnd* pParent)
    : m_nTemplateId(nTemplateId), m_pParent(pParent) {}

HWND CDialog::CreateFromTemplate(HWND hOwner) {
    return CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(m_nTemplateId), hOwner,
                              DialogProc, reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hWnd, UINT msg, WPARAM, LPARAM lParam) {
    if (msg != WM_INITDIALOG) {
        // Everything else reaches WindowProc through the subclass; this is the default's end.
        return FALSE;
    }
    auto* self = reinterpret_cast<CDialog*>(lParam);
    self->Attach(hWnd);
    const RECT before = self->GetWindowRect();
    const BOOL bFocusDefault = self->OnInitDialog();
    const RECT after = self->GetWindowRect();
    // A modal dialog that did not place itself is centred over its owner.
    if (self->m_bModal && before.left == after.left && before.top == after.top) {
        self->CenterOverOwner(GetWindow(hWnd, GW_OWNER));
    }
    return bFocusDefault;
}

void CDialog::CenterOverOwner(HWND hOwner) {
    RECT area{};
    if (hOwner != nullptr && ::IsWindowVisible(hOwner) && !IsIconic(hOwner)) {
        ::GetWindowRect(hOwner, &area);
    } else {
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    }
    const RECT rc = GetWindowRect();
    const int nWidth = rc.right - rc.left;
    const int nHeight = rc.bottom - rc.top;
    const int x = area.left + (area.right - area.left - nWidth) / 2;
    const int y = area.top + (area.bottom - area.top - nHeight) / 2;
    SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL CDialog::Create(UINT nTemplateId, CWnd* pParent) {
    m_nTemplateId = nTemplateId;
    if (pParent != nullptr) {
        m_pParent = pParent;
    }
    m_bModal = false;
    return CreateFromTemplate(m_pParent != nullptr ? m_pParent->m_hWnd : nullptr) != nullptr;
}

HWND CDialog::ModalOwner() const {
    if (m_pParent != nullptr) {
        return m_pParent->m_hWnd;
    }
    CWinApp* pApp = CWinApp::Current();
    CWnd* pMain = pApp != nullptr ? pApp->m_pMainWnd : nullptr;
    // The main window itself runs without an owner.
    if (pMain == nullptr || pMain == this || !IsWindow(pMain->m_hWnd)) {
        return nullptr;
    }
    return pMain->m_hWnd;
}

std::vector<HWND> CDialog::DisableThreadWindows(HWND hOwner) {
    std::vector<HWND> windows;
    EnumThreadWindows(GetCurrentThreadId(), CollectWindow, reinterpret_cast<LPARAM>(&windows));
    // An owner on another thread is disabled all the same.
    if (hOwner != nullptr && std::find(windows.begin(), windows.end(), hOwner) == windows.end()) {
        windows.push_back(hOwner);
    }
    // Listed first and disabled after: disabling sends messages that may make or end windows.
    std::erase_if(windows, [](HWND hWnd) { return !::IsWindowEnabled(hWnd); });
    for (HWND hWnd : windows) {
        ::EnableWindow(hWnd, FALSE);
    }
    return windows;
}

void CDialog::RestoreThreadWindows(const std::vector<HWND>& disabled, HWND hActive,
                                   HWND hFocus) const {
    for (HWND hWnd : disabled) {
        if (IsWindow(hWnd)) {
            ::EnableWindow(hWnd, TRUE);
        }
    }
    // Activation goes back only while this run still holds it (the user may have switched to
    // another program), and before this window goes, so the system picks no other window.
    HWND hNow = GetActiveWindow();
    while (hNow != nullptr && hNow != m_hWnd) {
        hNow = GetWindow(hNow, GW_OWNER);
    }
    if (hNow == nullptr || hActive == nullptr || !IsWindow(hActive)) {
        return;
    }
    SetActiveWindow(hActive);
    if (hFocus != nullptr && IsWindow(hFocus) && IsChild(hActive, hFocus)) {
        SetFocus(hFocus);
    }
}

INT_PTR CDialog::DoModal() {
    HWND hOwner = ModalOwner();
    // Task-modal, as the system's own message boxes: every other window of the thread is
    // inert for the run, so nothing beneath can start a second action or bury this one.
    HWND hActive = GetActiveWindow();
    HWND hFocus = GetFocus();
    const std::vector<HWND> disabled = DisableThreadWindows(hOwner);
    if (hActive == nullptr) {
        hActive = hOwner;
    }
    m_bModal = true;
    m_bEndModal = false;
    m_nModalResult = -1;
    if (CreateFromTemplate(hOwner) == nullptr) {
        RestoreThreadWindows(disabled, nullptr, nullptr);
        m_bModal = false;
        return -1;
    }
    if (!m_bEndModal) {
        ShowWindow(SW_SHOW);
    }
    while (!m_bEndModal) {
        MSG msg;
        const BOOL bGot = GetMessageW(&msg, nullptr, 0, 0);
        if (bGot == 0 || bGot == -1) {
            // Quitting: leave the loop and let the outer one see the request too.
            PostQuitMessage(bGot == 0 ? static_cast<int>(msg.wParam) : 0);
            break;
        }
        if (!WalkPreTranslate(&msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    RestoreThreadWindows(disabled, hActive, hFocus);
    if (m_hWnd != nullptr) {
        DestroyWindow(m_hWnd);
    }
    m_bModal = false;
    return m_nModalResult;
}

void CDialog::EndDialog(INT_PTR nResult) {
    m_nModalResult = nResult;
    if (!m_bModal) {
        ShowWindow(SW_HIDE);
        return;
    }
    m_bEndModal = true;
    // Wakes the modal loop: a message sent from another thread is handled inside GetMessage,
    // which would otherwise go on waiting.
    PostMessage(WM_NULL);
}

BOOL CDialog::WalkPreTranslate(MSG* pMsg) {
    for (HWND hWnd = pMsg->hwnd; hWnd != nullptr; hWnd = GetParent(hWnd)) {
        CWnd* pWnd = FromHandle(hWnd);
        if (pWnd != nullptr && pWnd->PreTranslateMessage(pMsg)) {
            return TRUE;
        }
        if (hWnd == m_hWnd) {
            break;
        }
    }
    return FALSE;
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg) {
    return IsDialogMessageW(m_hWnd, pMsg);
}

BOOL CDialog::OnInitDialog() {
    DoDataExchange();
    return TRUE;
}

void CDialog::DoDataExchange() {}

void CDialog::OnOK() {
    EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

LRESULT CDialog::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_DESTROY && m_bModal) {
        // Destroyed from outside (with its owner, say): the modal run cannot go on.
        m_bEndModal = true;
    }
    if (msg == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
        // The dialog manager turns Enter, Esc and WM_CLOSE into these two.
        if (LOWORD(wParam) == IDOK) {
            OnOK();
            return 0;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            OnCancel();
            return 0;
        }
    }
    return CWnd::WindowProc(msg, wParam, lParam);
}
