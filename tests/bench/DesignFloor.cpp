// The design floor of the start-up figure: what the tool's design makes every start-up pay, and
// nothing more. Linked with the tool's resource script, load configuration and imports
// (CMakeLists.txt beside this file), it starts the platform as the tool does, decodes the
// shell's image from its resource with the tool's own loader and pushes it as a per-pixel-alpha
// layered window where the tool's shell appears. The tool's ratio to it is what its templates,
// controls and start-up checks add.
#include "app/LibrarySearch.h"
#include "framework/GdiObject.h"
#include "res/resource.h"
#include "ui/FrameGeometry.h"
#include "ui/PngResource.h"
#include "ui/ScreenScale.h"
#include "ui/SkinPaint.h"

#include <commctrl.h>
#include <oleauto.h>
#include <shellapi.h>
#include <winternl.h>

#include <memory>

namespace {

// The libraries the tool imports that the steps below do not otherwise need: the loader maps
// them before wWinMain all the same. The build compares both import lists.
const void* const kToolOnlyImports[] = {
    reinterpret_cast<const void*>(&RegCloseKey),
    reinterpret_cast<const void*>(&NtQueryInformationProcess),
    reinterpret_cast<const void*>(&SysFreeString),
    reinterpret_cast<const void*>(&ShellExecuteW),
};

LRESULT CALLBACK Proc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hWnd, msg, wParam, lParam);
}

// As the tool's frames push theirs (ui/LayeredFrameDlg.cpp): a 32-bit section keeps the alpha.
void PushImage(HWND hWnd, Gdiplus::Image* pImage, const PixelRect& rc) {
    const CWindowDC windowDC(hWnd);
    const CMemDC picture(windowDC, rc.Width(), rc.Height(), CMemDC::Surface::Dib32);
    if (!picture.IsValid()) {
        return;
    }
    if (!CopyImagePixels(pImage, picture.Bits(), rc.Width(), rc.Height())) {
        Gdiplus::Graphics graphics(picture);
        graphics.DrawImage(pImage, 0, 0, rc.Width(), rc.Height());
    }
    POINT ptDest{rc.left, rc.top};
    SIZE size{rc.Width(), rc.Height()};
    POINT ptSource{0, 0};
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    UpdateLayeredWindow(hWnd, windowDC, &ptDest, &size, picture, &ptSource, 0, &blend, ULW_ALPHA);
}

} // namespace

int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE, PWSTR, int) {
    // A volatile read keeps the table, and so its imports, through the linker's section removal.
    static_cast<void>(*static_cast<const void* const volatile*>(kToolOnlyImports));
    RestrictLibrarySearch();
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    if (Gdiplus::GdiplusStartup(&token, &input, nullptr) != Gdiplus::Ok) {
        return 1;
    }
    INITCOMMONCONTROLSEX controls{sizeof(controls), 0xFF};
    InitCommonControlsEx(&controls);
    {
        Gdiplus::Image* pDecoded = nullptr;
        LoadPngResource(&pDecoded, IDB_SHELL_FRAME);
        const std::unique_ptr<Gdiplus::Image> pImage(pDecoded);
        WNDCLASSW wc{};
        wc.lpfnWndProc = Proc;
        wc.hInstance = hInstance;
        wc.lpszClassName = L"KelvaneDesignFloor";
        RegisterClassW(&wc);
        const PixelRect rc =
            FrameGeometry::CentredFrameRect(kShellPair, GetSystemMetrics(SM_CXSCREEN),
                                            GetSystemMetrics(SM_CYSCREEN), ScreenScaleFactor());
        HWND hWnd =
            CreateWindowExW(WS_EX_LAYERED, wc.lpszClassName, L"Kelvane", WS_POPUP, rc.left, rc.top,
                            rc.Width(), rc.Height(), nullptr, nullptr, hInstance, nullptr);
        if (hWnd != nullptr && pImage) {
            PushImage(hWnd, pImage.get(), rc);
            ShowWindow(hWnd, SW_SHOW);
            MSG msg;
            while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
                DispatchMessageW(&msg);
            }
        }
    }
    Gdiplus::GdiplusShutdown(token);
    return 0;
}
