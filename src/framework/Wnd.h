#pragma once

#include <windows.h>

#include <string>

// A window as a C++ object: the object is found from its handle through a window property, and
// messages reach WindowProc, where each class dispatches with a switch to its named handlers
// and leaves the rest to Default.
class CWnd {
public:
    CWnd() = default;
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    static CWnd* FromHandle(HWND hWnd);

    // Binds the control with the given id in a dialog to this object and routes its messages here.
    BOOL SubclassDlgItem(int nId, CWnd* pParent);
    // Takes over an existing window's messages; undone when the window is destroyed.
    BOOL SubclassWindow(HWND hWnd);

    // Called for each message bound for this window or a child of it before it is dispatched;
    // TRUE means the message was handled here and goes no further.
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    // This owner-drawn window is asked by its parent to draw itself; FALSE if it does not.
    virtual BOOL OnOwnerDraw(DRAWITEMSTRUCT* pDraw);

    LRESULT SendMessage(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const;
    BOOL PostMessage(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const;
    UINT_PTR SetTimer(UINT_PTR nId, UINT nElapse);
    BOOL KillTimer(UINT_PTR nId);
    void SetWindowText(const std::wstring& text);
    std::wstring GetWindowText() const;
    RECT GetWindowRect() const;
    RECT GetClientRect() const;
    // The window's rectangle in the client coordinates of its parent (or owner, for popups).
    RECT GetRectInParent() const;
    void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE);
    void MoveWindow(const RECT& rc, BOOL bRepaint = TRUE);
    BOOL ShowWindow(int nCmdShow);
    BOOL EnableWindow(BOOL bEnable);
    BOOL IsWindowEnabled() const;
    BOOL IsWindowVisible() const;
    void Invalidate(BOOL bErase = TRUE);
    CWnd* GetDlgItem(int nId) const;

    HWND m_hWnd = nullptr;

protected:
    virtual LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam);
    // The handling the window would have had without this object.
    LRESULT Default(UINT msg, WPARAM wParam, LPARAM lParam);

    // Called after the default handling has run: the window has moved (x, y: new client origin,
    // screen coordinates for popups), has been resized, is being destroyed (children still
    // exist), or answered a hit test with nHitTest, which the override may replace.
    virtual void OnMove(int x, int y);
    virtual void OnSize(UINT nType, int cx, int cy);
    virtual void OnDestroy();
    virtual LRESULT OnNcHitTest(POINT ptScreen, LRESULT nHitTest);
    // Every WM_TIMER; what an override does not handle it passes to the base, which gives it
    // the default handling.
    virtual void OnTimer(UINT_PTR nIdEvent);

    void Attach(HWND hWnd);
    void Detach();

private:
    static LRESULT CALLBACK SubclassProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR uIdSubclass, DWORD_PTR dwRefData);
};
