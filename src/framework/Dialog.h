#pragma once

#include "framework/Wnd.h"

#include <vector>

// A dialog from a resource template: modeless through Create, modal through DoModal, whose own
// message loop lets PreTranslateMessage see every message for the dialog and its children. A
// modal dialog without a parent is owned by the application's main window: centred over it,
// without a taskbar button of its own. A modal run is task-modal: the thread's other top-level
// windows are disabled while it runs and get their own state back when it ends.
class CDialog : public CWnd {
public:
    explicit CDialog(UINT nTemplateId, CWnd* pParent = nullptr);

    // Modal run; returns what EndDialog was given, or -1 if the window could not be created.
    virtual INT_PTR DoModal();
    // Modeless window owned by pParent (or the constructor's parent).
    BOOL Create(UINT nTemplateId, CWnd* pParent = nullptr);
    BOOL Create(CWnd* pParent) { return Create(m_nTemplateId, pParent); }
    // Ends a modal run; safe from a message sent by another thread.
    void EndDialog(INT_PTR nResult);

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    // Runs DoDataExchange; overrides call it first.
    virtual BOOL OnInitDialog();
    // Binds the dialog's controls to their objects.
    virtual void DoDataExchange();
    virtual void OnOK();
    virtual void OnCancel();
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

    UINT m_nTemplateId;
    CWnd* m_pParent;

private:
    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);
    HWND CreateFromTemplate(HWND hOwner);
    HWND ModalOwner() const;
    void CenterOverOwner(HWND hOwner);
    // The thread's enabled top-level windows and the owner, now disabled.
    static std::vector<HWND> DisableThreadWindows(HWND hOwner);
    // Enables them again and, while this run holds the activation, hands it back.
    void RestoreThreadWindows(const std::vector<HWND>& disabled, HWND hActive, HWND hFocus) const;
    // Lets every object from the message's window up to this dialog look at it first.
    BOOL WalkPreTranslate(MSG* pMsg);

    bool m_bModal = false;
    bool m_bEndModal = false;
    INT_PTR m_nModalResult = -1;
};
