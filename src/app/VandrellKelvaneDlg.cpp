#include "app/VandrellKelvaneDlg.h"

#include "app/KelvaneDlg.h"
#include "app/AboutDlg.h"
#include "app/SelfRemoval.h"
#include "prompts/ProblemSolvingFeedbackDlg.h"
#include "res/resource.h"
#include "ui/ScreenScale.h"

CVandrellKelvaneDlg::CVandrellKelvaneDlg(CWnd* pParent)
    : CLayeredFrameDlg(IDD_VANDRELLKELVANE_DIALOG, kShellPair, IDB_SHELL_FRAME, pParent),
      m_hIcon(LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME))) {}

CKelvaneDlg* CVandrellKelvaneDlg::Panel() const {
    return static_cast<CKelvaneDlg*>(m_pChildDlg.get());
}

CFrameContentDlg* CVandrellKelvaneDlg::NewContent() {
    return new CKelvaneDlg;
}

BOOL CVandrellKelvaneDlg::OnInitDialog() {
    CDialog::OnInitDialog();

    if (HMENU hSysMenu = GetSystemMenu(m_hWnd, FALSE)) {
        wchar_t about[256] = {};
        if (LoadStringW(GetModuleHandleW(nullptr), IDS_ABOUTBOX, about, 256) > 0) {
            AppendMenuW(hSysMenu, MF_SEPARATOR, 0, nullptr);
            AppendMenuW(hSysMenu, MF_STRING, IDM_ABOUTBOX, about);
        }
    }
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
    SetWindowText(L"Kelvane");

    m_fScale = ScreenScaleFactor();
    const PixelRect target = FrameGeometry::CentredFrameRect(
        m_pair, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), m_fScale);
    if (!ShowFrameImage(target)) {
        return TRUE;
    }
    // The panel's first move takes the shell along to the target (the panel starts in its
    // caption band), so the framework's centring does not apply.
    CreateContent(target);
    SetForegroundWindow(m_hWnd);
    return TRUE;
}

LRESULT CVandrellKelvaneDlg::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == IDM_ABOUTBOX) {
            OnSysCommand(static_cast<UINT>(wParam), lParam);
            return 0;
        }
        break;
    case WM_PAINT:
        if (IsIconic(m_hWnd)) {
            OnPaint();
            return 0;
        }
        break;
    case WM_QUERYDRAGICON:
        return reinterpret_cast<LRESULT>(m_hIcon);
    case WM_CLOSE:
        // One close at a time, and none while a size change runs: its result prompt and the
        // restart question must still come. Ignored, as a window under a modal prompt is.
        if (m_bClosing || (m_pChildDlg && Panel()->IsSizeChangeRunning())) {
            return 0;
        }
        m_bClosing = true;
        OnClose();
        break;
    default:
        break;
    }
    return CLayeredFrameDlg::WindowProc(msg, wParam, lParam);
}

void CVandrellKelvaneDlg::OnSysCommand(UINT, LPARAM) {
    CAboutDlg about;
    about.DoModal();
}

void CVandrellKelvaneDlg::OnPaint() {
    PAINTSTRUCT ps{};
    HDC hDC = BeginPaint(m_hWnd, &ps);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(hDC), 0);
    const RECT rc = GetClientRect();
    const int x = (rc.right - rc.left - GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (rc.bottom - rc.top - GetSystemMetrics(SM_CYICON) + 1) / 2;
    DrawIcon(hDC, x, y, m_hIcon);
    EndPaint(m_hWnd, &ps);
}

void CVandrellKelvaneDlg::OnClose() {
    if (m_pChildDlg) {
        ShowProblemSolvingFeedback();
    }
    // The default handling follows: the modal run ends with IDCANCEL.
}

void CVandrellKelvaneDlg::ShowProblemSolvingFeedback() {
    CKelvaneDlg* pPanel = Panel();
    CProblemSolvingFeedbackDlg feedback;
    feedback.SetFeedbackDll(&pPanel->m_feedbackDll);
    feedback.SetFeedbackInfo(pPanel->m_strFeedbackInfo);
    feedback.SetDeviceType(pPanel->m_nDeviceType);
    feedback.DoModal();
}

void CVandrellKelvaneDlg::OnDestroy() {
    CLayeredFrameDlg::OnDestroy();
    RemoveToolFolder();
}

BOOL CVandrellKelvaneDlg::RemoveToolFolder() {
    StartSelfRemoval();
    return TRUE;
}
