#include "app/VandrellKelvaneApp.h"

#include "app/VandrellKelvaneDlg.h"
#include "system/Timeline.h"
#include "ui/PngImageCache.h"

#include <windows.h>
#include <objidl.h>

#include <commctrl.h>
#include <gdiplus.h>

namespace {

// GDI+ version 1, no debug callback, its background thread and external codecs not suppressed.
Gdiplus::GdiplusStartupInput g_gdiplusStartupInput;
ULONG_PTR g_gdiplusToken = 0;

} // namespace

CVandrellKelvaneApp::CVandrellKelvaneApp()
    : m_dwRestartManagerSupportFlags(kRestartManagerSupportRestart) {}

BOOL CVandrellKelvaneApp::InitInstance() {
    // Its result is not examined: without GDI+ the windows fall back as without artwork.
    Gdiplus::GdiplusStartup(&g_gdiplusToken, &g_gdiplusStartupInput, nullptr);
    KELVANE_MARK("GDI+ running");
    INITCOMMONCONTROLSEX controls{sizeof(controls), 0xFF};
    InitCommonControlsEx(&controls);
    CWinApp::InitInstance();
    // The framework's control container, shell and visual managers, registry key and rich-edit
    // classes have no counterpart here: the templates hold no such controls and the tool keeps
    // no settings.
    {
        CVandrellKelvaneDlg dlg;
        m_pMainWnd = &dlg;
        dlg.DoModal();
        m_pMainWnd = nullptr;
        // The dialog's windows are gone; the images they shared go while GDI+ still runs.
        CPngImageCache::ReleaseAll();
        Gdiplus::GdiplusShutdown(g_gdiplusToken);
    }
    return FALSE;
}
