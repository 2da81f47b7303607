#include "framework/Wnd.h"

#include <commctrl.h>

namespace {

constexpr wchar_t kObjectProperty[] = L"Kelvane.CWnd";
constexpr UINT_PTR kSubclassId = 0x4B564E45; // one subclass per window, ours

// Signed coordinates packed into an LPARAM (negative on multi-screen set-ups).
int LowX(LPARAM lParam) {
    return static_cast<short>(LOWORD(lParam));
}

int HighY(LPARAM lParam) {
    return static_cast<short>(HIWORD(lParam));
}

} // namespace

CWnd::~CWnd() {
    if (m_hWnd != nullptr && IsWindow(m_hWnd)) {
        // An object going away before its window must not leave a dangling route.
        Detach();
    }
}

CWnd* CWnd::FromHandle(HWND hWnd) {
    return hWnd != nullptr ? static_cast<CWnd*>(GetPropW(hWnd, kObjectProperty)) : nullptr;
}

void CWnd::Attach(HWND hWnd) {
    m_hWnd = hWnd;
    SetPropW(hWnd, kObjectProperty, this);
    SetWindowSubclass(hWnd, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
}

void CWnd::Detach() {
    RemoveWindowSubclass(m_hWnd, SubclassProc, kSubclassId);
    RemovePropW(m_hWnd, kObjectProperty);
    m_hWnd = nullptr;
}

BOOL CWnd::SubclassDlgItem(int nId, CWnd* pParent) {
    HWND hItem = ::GetDlgItem(pParent->m_hWnd, nId);
    return hItem != nullptr ? SubclassWindow(hItem) : FALSE;
}

BOOL CWnd::SubclassWindow(HWND hWnd) {
    if (hWnd == nullptr || m_hWnd != nullptr || FromHandle(hWnd) != nullptr) {
        return FALSE;
    }
    Attach(hWnd);
    return TRUE;
}

LRESULT CALLBACK CWnd::SubclassProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                    DWORD_PTR dwRefData) {
    auto* self = reinterpret_cast<CWnd*>(dwRefData);
    if (msg == WM_NCDESTROY) {
        const LRESULT result = DefSubclassProc(hWnd, msg, wParam, lParam);
        self->Detach();
        return result;
    }
    return self->WindowProc(msg, wParam, lParam);
}

LRESULT CWnd::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_TIMER:
        OnTimer(wParam);
        return 0;
    case WM_MOVE: {
        const LRESULT result = Default(msg, wParam, lParam);
        OnMove(LowX(lParam), HighY(lParam));
        return result;
    }
    case WM_SIZE: {
        const LRESULT result = Default(msg, wParam, lParam);
        OnSize(static_cast<UINT>(wParam), LowX(lParam), HighY(lParam));
        return result;
    }
    case WM_DESTROY: {
        const LRESULT result = Default(msg, wParam, lParam);
        OnDestroy();
        return result;
    }
    case WM_NCHITTEST:
        return OnNcHitTest(POINT{LowX(lParam), HighY(lParam)}, Default(msg, wParam, lParam));
    case WM_DRAWITEM: {
        // Owner-drawn children draw themselves.
        auto* pDraw = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        CWnd* pItem = FromHandle(pDraw->hwndItem);
        if (pItem != nullptr && pItem->OnOwnerDraw(pDraw)) {
            return TRUE;
        }
        break;
    }
    default:
        break;
    }
    return Default(msg, wParam, lParam);
}

LRESULT CWnd::Default(UINT msg, WPARAM wParam, LPARAM lParam) {
    return DefSubclassProc(m_hWnd, msg, wParam, lParam);
}

BOOL CWnd::OnOwnerDraw(DRAWITEMSTRUCT*) {
    return FALSE;
}

void CWnd::OnMove(int, int) {}

void CWnd::OnSize(UINT, int, int) {}

void CWnd::OnDestroy() {}

LRESULT CWnd::OnNcHitTest(POINT, LRESULT nHitTest) {
    return nHitTest;
}

void CWnd::OnTimer(UINT_PTR nIdEvent) {
    Default(WM_TIMER, nIdEvent, 0);
}

BOOL CWnd::PreTranslateMessage(MSG*) {
    return FALSE;
}

LRESULT CWnd::SendMessage(UINT msg, WPARAM wParam, LPARAM lParam) const {
    return ::SendMessageW(m_hWnd, msg, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT msg, WPARAM wParam, LPARAM lParam) const {
    return ::PostMessageW(m_hWnd, msg, wParam, lParam);
}

UINT_PTR CWnd::SetTimer(UINT_PTR nId, UINT nElapse) {
    return ::SetTimer(m_hWnd, nId, nElapse, nullptr);
}

BOOL CWnd::KillTimer(UINT_PTR nId) {
    return ::KillTimer(m_hWnd, nId);
}

void CWnd::SetWindowText(const std::wstring& text) {
    ::SetWindowTextW(m_hWnd, text.c_str());
}

std::wstring CWnd::GetWindowText() const {
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(m_hWnd)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        ::GetWindowTextW(m_hWnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

RECT CWnd::GetWindowRect() const {
    RECT rc{};
    ::GetWindowRect(m_hWnd, &rc);
    return rc;
}

RECT CWnd::GetClientRect() const {
    RECT rc{};
    ::GetClientRect(m_hWnd, &rc);
    return rc;
}

RECT CWnd::GetRectInParent() const {
    RECT rc = GetWindowRect();
    HWND hParent = GetParent(m_hWnd);
    if (hParent != nullptr) {
        MapWindowPoints(HWND_DESKTOP, hParent, reinterpret_cast<POINT*>(&rc), 2);
    }
    return rc;
}

void CWnd::MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint) {
    ::MoveWindow(m_hWnd, x, y, nWidth, nHeight, bRepaint);
}

void CWnd::MoveWindow(const RECT& rc, BOOL bRepaint) {
    MoveWindow(rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, bRepaint);
}

BOOL CWnd::ShowWindow(int nCmdShow) {
    return ::ShowWindow(m_hWnd, nCmdShow);
}

BOOL CWnd::EnableWindow(BOOL bEnable) {
    return ::EnableWindow(m_hWnd, bEnable);
}

BOOL CWnd::IsWindowEnabled() const {
    return ::IsWindowEnabled(m_hWnd);
}

BOOL CWnd::IsWindowVisible() const {
    return ::IsWindowVisible(m_hWnd);
}

void CWnd::Invalidate(BOOL bErase) {
    InvalidateRect(m_hWnd, nullptr, bErase);
}

CWnd* CWnd::GetDlgItem(int nId) const {
    return FromHandle(::GetDlgItem(m_hWnd, nId));
}
