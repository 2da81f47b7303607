// The UI driver's own target: a main dialog, a popup it owns, a popup owned by that one and an
// unowned prompt, each reporting what a person did to it in the main dialog's status text.
#include "DriverHostIds.h"

#include <windows.h>

#include <string>

namespace {

struct Host {
    HINSTANCE hInstance = nullptr;
    HWND hMain = nullptr;
    int nPresses = 0;
    bool bDragging = false;
    POINT dragStart{};
    int nDragMoves = 0;
    int nExitCode = HOST_EXIT_CLOSE;
};

Host* HostOf(HWND hDlg) {
    return reinterpret_cast<Host*>(GetWindowLongPtrW(hDlg, DWLP_USER));
}

void Keep(HWND hDlg, LPARAM lParam) {
    SetWindowLongPtrW(hDlg, DWLP_USER, lParam);
}

// Shows what happened and adds it to the history, so a test can also tell that nothing else did.
void SetStatus(const Host& host, const std::wstring& text) {
    SetDlgItemTextW(host.hMain, IDC_STATUS, text.c_str());
    wchar_t history[1024] = {};
    GetDlgItemTextW(host.hMain, IDC_HISTORY, history, 1024);
    SetDlgItemTextW(host.hMain, IDC_HISTORY, (history + text + L"|").c_str());
}

std::wstring Pair(LONG x, LONG y) {
    return std::to_wstring(x) + L"," + std::to_wstring(y);
}

// Top half red, bottom half green: a picture read upside down or with red and blue swapped
// shows other colours at both points the test reads.
void DrawSwatch(const DRAWITEMSTRUCT& draw) {
    RECT top = draw.rcItem;
    top.bottom = (draw.rcItem.top + draw.rcItem.bottom) / 2;
    RECT bottom = draw.rcItem;
    bottom.top = top.bottom;
    HBRUSH hRed = CreateSolidBrush(RGB(255, 0, 0));
    HBRUSH hGreen = CreateSolidBrush(RGB(0, 255, 0));
    FillRect(draw.hDC, &top, hRed);
    FillRect(draw.hDC, &bottom, hGreen);
    DeleteObject(hRed);
    DeleteObject(hGreen);
}

void OnPress(Host& host, HWND hButton) {
    // Where the cursor was, relative to the button, when the click landed: as the tool checks.
    POINT pt{};
    GetCursorPos(&pt);
    RECT rc{};
    GetWindowRect(hButton, &rc);
    ++host.nPresses;
    SetStatus(host, L"pressed " + std::to_wstring(host.nPresses) + L" at " +
                        Pair(pt.x - rc.left, pt.y - rc.top));
}

INT_PTR CALLBACK MainProc(HWND hDlg, UINT msg, WPARAM wParam, LPARAM lParam) {
    Host* pHost = HostOf(hDlg);
    switch (msg) {
    case WM_INITDIALOG:
        Keep(hDlg, lParam);
        MoveWindow(GetDlgItem(hDlg, IDC_SWATCH), HOST_SWATCH_X, HOST_SWATCH_Y, HOST_SWATCH_CX,
                   HOST_SWATCH_CY, FALSE);
        SetDlgItemTextW(hDlg, IDC_EDIT, L"abc");
        return TRUE;
    case WM_DRAWITEM:
        if (wParam == IDC_SWATCH) {
            DrawSwatch(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        }
        return FALSE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_PRESS:
            OnPress(*pHost, GetDlgItem(hDlg, IDC_PRESS));
            return TRUE;
        case IDC_DISABLED:
            SetStatus(*pHost, L"disabled button pressed");
            return TRUE;
        case IDC_HANG:
            // A program that stops answering: reads must time out, not hang.
            Sleep(4000);
            SetStatus(*pHost, L"answering again");
            return TRUE;
        case IDC_QUIT:
            pHost->nExitCode = HOST_EXIT_QUIT;
            DestroyWindow(hDlg);
            return TRUE;
        default:
            return FALSE;
        }
    case WM_LBUTTONDOWN:
        // Empty client area is a drag pad: it reports the cursor's travel and the moves seen.
        pHost->bDragging = true;
        pHost->nDragMoves = 0;
        GetCursorPos(&pHost->dragStart);
        SetCapture(hDlg);
        return TRUE;
    case WM_LBUTTONDBLCLK:
        SetStatus(*pHost, L"double click");
        return TRUE;
    case WM_MOUSEMOVE:
        if (pHost != nullptr && pHost->bDragging) {
            ++pHost->nDragMoves;
        }
        return TRUE;
    case WM_LBUTTONUP:
        if (pHost->bDragging) {
            pHost->bDragging = false;
            ReleaseCapture();
            POINT end{};
            GetCursorPos(&end);
            SetStatus(*pHost, L"dragged " +
                                  Pair(end.x - pHost->dragStart.x, end.y - pHost->dragStart.y) +
                                  L" in " + std::to_wstring(pHost->nDragMoves) + L" moves");
        }
        return TRUE;
    case WM_CLOSE:
        DestroyWindow(hDlg);
        return TRUE;
    case WM_DESTROY:
        PostQuitMessage(pHost->nExitCode);
        return TRUE;
    default:
        return FALSE;
    }
}

INT_PTR CALLBACK PopupProc(HWND hDlg, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_INITDIALOG:
        Keep(hDlg, lParam);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDC_POPUP_CLOSE || LOWORD(wParam) == IDCANCEL) {
            DestroyWindow(hDlg); // takes the popups it owns along
            return TRUE;
        }
        return FALSE;
    case WM_CLOSE:
        DestroyWindow(hDlg);
        return TRUE;
    default:
        return FALSE;
    }
}

// The band along the top drags the window the way a caption does; the rest is client area.
bool InDragBand(HWND hDlg, LPARAM lParam) {
    POINT pt{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    ScreenToClient(hDlg, &pt);
    RECT rc{};
    GetClientRect(hDlg, &rc);
    return pt.y >= 0 && pt.y < HOST_BAND_CY && pt.x >= 0 && pt.x < rc.right - HOST_BAND_RIGHT;
}

INT_PTR CALLBACK PromptProc(HWND hDlg, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_INITDIALOG:
        Keep(hDlg, lParam);
        SetWindowTextW(hDlg, L"" HOST_PROMPT_TITLE);
        return TRUE;
    case WM_NCHITTEST:
        if (InDragBand(hDlg, lParam)) {
            SetWindowLongPtrW(hDlg, DWLP_MSGRESULT, HTCAPTION);
            return TRUE;
        }
        return FALSE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            SetStatus(*HostOf(hDlg),
                      LOWORD(wParam) == IDOK ? L"prompt confirmed" : L"prompt cancelled");
            DestroyWindow(hDlg);
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

HWND Open(Host& host, int nTemplate, HWND hOwner, DLGPROC pProc, int x, int y) {
    HWND hDlg = CreateDialogParamW(host.hInstance, MAKEINTRESOURCEW(nTemplate), hOwner, pProc,
                                   reinterpret_cast<LPARAM>(&host));
    if (hDlg != nullptr) {
        SetWindowPos(hDlg, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        ShowWindow(hDlg, SW_SHOW);
    }
    return hDlg;
}

} // namespace

int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE, LPWSTR, int) {
    Host host;
    host.hInstance = hInstance;
    host.hMain = Open(host, IDD_HOST, nullptr, MainProc, HOST_MAIN_X, HOST_MAIN_Y);
    HWND hPopup = Open(host, IDD_POPUP, host.hMain, PopupProc, HOST_POPUP_X, HOST_POPUP_Y);
    HWND hNested = Open(host, IDD_NESTED, hPopup, PopupProc, HOST_NESTED_X, HOST_NESTED_Y);
    HWND hPrompt = Open(host, IDD_PROMPT, nullptr, PromptProc, HOST_PROMPT_X, HOST_PROMPT_Y);
    if (host.hMain == nullptr || hPopup == nullptr || hNested == nullptr || hPrompt == nullptr) {
        return 2;
    }

    MSG msg{};
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        HWND hRoot = GetAncestor(msg.hwnd, GA_ROOT);
        if (hRoot != nullptr && IsDialogMessageW(hRoot, &msg)) {
            continue;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}
