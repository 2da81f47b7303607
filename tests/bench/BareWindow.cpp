// The floor of the start-up figure: the least a Win32 program does to show a painted window.
#include "system/Timeline.h"

#include <windows.h>

namespace {

LRESULT CALLBACK Proc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_PAINT: {
        PAINTSTRUCT ps{};
        HDC hDC = BeginPaint(hWnd, &ps);
        FillRect(hDC, &ps.rcPaint, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        EndPaint(hWnd, &ps);
        KELVANE_MARK("window painted");
        return 0;
    }
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(hWnd, msg, wParam, lParam);
    }
}

} // namespace

int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE, PWSTR, int) {
    KELVANE_MARK("wWinMain");
    WNDCLASSW wc{};
    wc.lpfnWndProc = Proc;
    wc.hInstance = hInstance;
    wc.lpszClassName = L"KelvaneBareWindow";
    RegisterClassW(&wc);
    // Where and how large the tool's panel is at 96 dpi on a 1920 × 1200 screen.
    HWND hWnd = CreateWindowExW(0, wc.lpszClassName, L"Kelvane", WS_POPUP, 760, 299, 400, 600,
                                nullptr, nullptr, hInstance, nullptr);
    KELVANE_MARK("window created");
    ShowWindow(hWnd, SW_SHOW);
    UpdateWindow(hWnd);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        DispatchMessageW(&msg);
    }
    return 0;
}
