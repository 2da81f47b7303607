#include "ui/LayeredFrameDlg.h"

#include "framework/GdiObject.h"
#include "system/Timeline.h"
#include "ui/FrameContentDlg.h"
#include "ui/Messages.h"
#include "ui/SkinPaint.h"

CLayeredFrameDlg::CLayeredFrameDlg(UINT nTemplateId, const FramePairMetrics& pair, UINT nFramePng,
                                   CWnd* pParent)
    : CDialog(nTemplateId, pParent), m_pair(pair), m_nFramePng(nFramePng) {}

CLayeredFrameDlg::~CLayeredFrameDlg() = default;

void CLayeredFrameDlg::PrepareGraphics(Gdiplus::Graphics&) {}

BOOL CLayeredFrameDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    InitFrameWhereItStands();
    return TRUE;
}

void CLayeredFrameDlg::InitFrameWhereItStands() {
    const RECT start = GetWindowRect();
    if (ShowFrameImage(FrameGeometry::FrameRect(m_pair, start.left, start.top, m_fScale))) {
        CreateContent(ToPixelRect(GetWindowRect()));
    }
}

bool CLayeredFrameDlg::ShowFrameImage(const PixelRect& frame) {
    SetWindowLongW(m_hWnd, GWL_EXSTYLE, GetWindowLongW(m_hWnd, GWL_EXSTYLE) ^ WS_EX_LAYERED);
    if (!m_pBkImage && !LoadPngResource(&m_pBkImage, m_nFramePng)) {
        return false;
    }
    KELVANE_MARK("frame image decoded", m_nTemplateId);
    CWindowDC windowDC(m_hWnd);
    // A 32-bit section keeps the per-pixel alpha that a device bitmap may drop.
    CMemDC picture(windowDC, frame.Width(), frame.Height(), CMemDC::Surface::Dib32);
    if (picture.IsValid()) {
        if (!CopyImagePixels(m_pBkImage.get(), picture.Bits(), frame.Width(), frame.Height())) {
            Gdiplus::Graphics graphics(picture);
            PrepareGraphics(graphics);
            graphics.DrawImage(m_pBkImage.get(), 0, 0, frame.Width(), frame.Height());
        }
        const RECT rc = GetWindowRect();
        POINT ptDest{rc.left, rc.top};
        SIZE size{frame.Width(), frame.Height()};
        POINT ptSource{0, 0};
        BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
        UpdateLayeredWindow(m_hWnd, windowDC, &ptDest, &size, picture, &ptSource, 0, &blend,
                            ULW_ALPHA);
        KELVANE_MARK("frame pushed", m_nTemplateId);
    }
    // Without a picture the frame stays invisible, but its content still works.
    return true;
}

bool CLayeredFrameDlg::CreateContent(const PixelRect& frame) {
    const PixelRect placed = FrameGeometry::ContentRect(m_pair, frame, m_fScale);
    m_pChildDlg.reset(NewContent());
    m_pChildDlg->m_fScale = m_fScale;
    if (!m_pChildDlg->Create(this)) {
        return false;
    }
    m_pChildDlg->MoveWindow(placed.left, placed.top, placed.Width(), placed.Height());
    m_pChildDlg->ShowWindow(SW_SHOW);
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
    case WM_WINDOWPOSCHANGED: {
        const LRESULT result = CDialog::WindowProc(msg, wParam, lParam);
        if ((reinterpret_cast<const WINDOWPOS*>(lParam)->flags & SWP_SHOWWINDOW) != 0) {
            // Only once the show has completed: from within it the mend does not hold.
            PostMessage(WM_RESTACK_CONTENT);
            KELVANE_MARK("frame shown", m_nTemplateId);
        }
        return result;
    }
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE) {
            PostMessage(WM_RESTACK_CONTENT);
        }
        break;

    case WM_RESTACK_CONTENT:
        OnRestackContent();
        return 0;
    default:
        break;
    }
    return CDialog::WindowProc(msg, wParam, lParam);
}

void CLayeredFrameDlg::OnMove(int, int) {
    if (!m_bFollowChild || !m_pChildDlg || !IsWindow(m_pChildDlg->m_hWnd)) {
        return;
    }
    const PixelRect rc = FrameGeometry::FollowRect(m_pair, ToPixelRect(GetWindowRect()), m_fScale);
    m_pChildDlg->MoveWindow(rc.left, rc.top, rc.Width(), rc.Height(), TRUE);
}

void CLayeredFrameDlg::OnRestackContent() {
    // The content is shown before its frame. Under Wine the frame's later show, and any later
    // activation of the frame, leave the mouse hitting the frame through the content (although
    // the stacking order reads right), so clicks and drags never reach the content. Raising the
    // content and handing it the activation mends it (the window manager raises what is
    // activated) without the flicker of hiding it; once it is active there is nothing to mend.
    // A minimised frame keeps its content hidden until it is restored.
    if (!m_pChildDlg || !IsWindow(m_pChildDlg->m_hWnd) || !IsWindowVisible() || IsIconic(m_hWnd) ||
        ::GetActiveWindow() != m_hWnd) {
        return;
    }
    ::SetWindowPos(m_pChildDlg->m_hWnd, HWND_TOP, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    ::SetForegroundWindow(m_pChildDlg->m_hWnd);
}

void CLayeredFrameDlg::OnDestroy() {
    m_pBkImage.reset();
    // The content's window went with its owner; only the object is left.
    m_pChildDlg.reset();
}
