#include "ui/LayeredFrameDlg.h"

#include "ui/FrameContentDlg.h"
#include "ui/PngResource.h"

namespace {

// Private to the frame: posted to itself once it has been shown.
constexpr UINT WM_RESTACK_CONTENT = WM_APP + 0x4B;

PixelRect ToPixelRect(const RECT& rc) {
    return {rc.left, rc.top, rc.right, rc.bottom};
}

} // namespace

CLayeredFrameDlg::CLayeredFrameDlg(UINT nTemplateId, const FramePairMetrics& pair, UINT nFramePng,
                                   CWnd* pParent)
    : CDialog(nTemplateId, pParent), m_pair(pair), m_nFramePng(nFramePng) {}

CLayeredFrameDlg::~CLayeredFrameDlg() {
    delete m_pBkImage;
    delete m_pChildDlg;
}

void CLayeredFrameDlg::PrepareGraphics(Gdiplus::Graphics&) {}

BOOL CLayeredFrameDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    const RECT start = GetWindowRect();
    const PixelRect frame = FrameGeometry::FrameRect(m_pair, start.left, start.top, m_fScale);
    SetWindowLongW(m_hWnd, GWL_EXSTYLE, GetWindowLongW(m_hWnd, GWL_EXSTYLE) ^ WS_EX_LAYERED);
    if (!PushLayeredImage(frame.Width(), frame.Height())) {
        // Without its image the frame stays an empty layered window, and has no content.
        return TRUE;
    }

    const PixelRect placed =
        FrameGeometry::ContentRect(m_pair, ToPixelRect(GetWindowRect()), m_fScale);
    m_pChildDlg = NewContent();
    m_pChildDlg->m_fScale = m_fScale;
    if (m_pChildDlg->Create(this)) {
        m_pChildDlg->MoveWindow(placed.left, placed.top, placed.Width(), placed.Height());
        m_pChildDlg->ShowWindow(SW_SHOW);
    }
    return TRUE;
}

bool CLayeredFrameDlg::PushLayeredImage(int nWidth, int nHeight) {
    if (m_pBkImage == nullptr && !LoadPngResource(&m_pBkImage, m_nFramePng)) {
        return false;
    }
    HDC hWindowDC = GetDC(m_hWnd);
    HDC hMemDC = CreateCompatibleDC(hWindowDC);
    // A top-down 32-bit section keeps the per-pixel alpha that a device bitmap may drop.
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = nWidth;
    info.bmiHeader.biHeight = -nHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* pBits = nullptr;
    HBITMAP hBitmap = CreateDIBSection(hWindowDC, &info, DIB_RGB_COLORS, &pBits, nullptr, 0);
    HGDIOBJ hOld = SelectObject(hMemDC, hBitmap);
    {
        Gdiplus::Graphics graphics(hMemDC);
        PrepareGraphics(graphics);
        graphics.DrawImage(m_pBkImage, 0, 0, nWidth, nHeight);
    }
    const RECT rc = GetWindowRect();
    POINT ptDest{rc.left, rc.top};
    SIZE size{nWidth, nHeight};
    POINT ptSource{0, 0};
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    UpdateLayeredWindow(m_hWnd, hWindowDC, &ptDest, &size, hMemDC, &ptSource, 0, &blend, ULW_ALPHA);
    SelectObject(hMemDC, hOld);
    DeleteObject(hBitmap);
    DeleteDC(hMemDC);
    ReleaseDC(m_hWnd, hWindowDC);
    return true;
}

void CLayeredFrameDlg::MoveWithChild(int left, int top, int right, int bottom) {
    m_bFollowChild = FALSE;
    const PixelRect rc =
        FrameGeometry::FrameAroundContent(m_pair, {left, top, right, bottom}, m_fScale);
    MoveWindow(rc.left, rc.top, rc.Width(), rc.Height(), TRUE);
}

BOOL CLayeredFrameDlg::PreTranslateMessage(MSG* pMsg) {
    if (pMsg->message == WM_KEYDOWN && (pMsg->wParam == VK_ESCAPE || pMsg->wParam == VK_RETURN)) {
        return TRUE;
    }
    return CDialog::PreTranslateMessage(pMsg);
}

LRESULT CLayeredFrameDlg::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_MOVE: {
        const LRESULT result = Default(msg, wParam, lParam);
        OnMove();
        return result;
    }
    case WM_WINDOWPOSCHANGED: {
        const LRESULT result = CDialog::WindowProc(msg, wParam, lParam);
        if ((reinterpret_cast<const WINDOWPOS*>(lParam)->flags & SWP_SHOWWINDOW) != 0) {
            // Only once the show has completed: from within it the mend does not hold.
            PostMessage(WM_RESTACK_CONTENT);
        }
        return result;
    }
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE) {
            PostMessage(WM_RESTACK_CONTENT);
        }
        return CDialog::WindowProc(msg, wParam, lParam);
    case WM_RESTACK_CONTENT:
        OnRestackContent();
        return 0;
    case WM_DESTROY: {
        const LRESULT result = CDialog::WindowProc(msg, wParam, lParam);
        OnDestroy();
        return result;
    }
    default:
        return CDialog::WindowProc(msg, wParam, lParam);
    }
}

void CLayeredFrameDlg::OnMove() {
    if (!m_bFollowChild || m_pChildDlg == nullptr || !IsWindow(m_pChildDlg->m_hWnd)) {
        return;
    }
    const PixelRect rc = FrameGeometry::FollowRect(m_pair, ToPixelRect(GetWindowRect()), m_fScale);
    m_pChildDlg->MoveWindow(rc.left, rc.top, rc.Width(), rc.Height(), TRUE);
}

void CLayeredFrameDlg::OnRestackContent() {
    // The content is shown before its frame. Under Wine the frame's later show, and any later
    // activation of the frame, leave the mouse hitting the frame through the content (although
    // the stacking order reads right), so clicks and drags never reach the content. Showing the
    // content again mends it and hands it the activation; once it has that, there is nothing
    // to mend (and its own hide would activate the frame and start over).
    if (m_pChildDlg == nullptr || !IsWindow(m_pChildDlg->m_hWnd) || !IsWindowVisible() ||
        ::GetActiveWindow() != m_hWnd) {
        return;
    }
    m_pChildDlg->ShowWindow(SW_HIDE);
    m_pChildDlg->ShowWindow(SW_SHOW);
}

void CLayeredFrameDlg::OnDestroy() {
    delete m_pBkImage;
    m_pBkImage = nullptr;
    // The content's window went with its owner; only the object is left.
    delete m_pChildDlg;
    m_pChildDlg = nullptr;
}
