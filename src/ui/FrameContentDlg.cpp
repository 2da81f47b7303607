#include "ui/FrameContentDlg.h"

#include "framework/PaintBuffer.h"
#include "system/Timeline.h"
#include "ui/LayeredFrameDlg.h"
#include "ui/SkinPaint.h"

CFrameContentDlg::CFrameContentDlg(UINT nTemplateId, const FramePairMetrics& pair,
                                   UINT nBackgroundPng)
    : CDialog(nTemplateId), m_pair(pair), m_nBackgroundPng(nBackgroundPng) {}

CFrameContentDlg::~CFrameContentDlg() = default;

void CFrameContentDlg::LayoutControls(BOOL) {}

void CFrameContentDlg::MoveTo(CWnd& control, const PixelRect& rc) {
    control.MoveWindow(rc.left, rc.top, rc.Width(), rc.Height(), TRUE);
}

void CFrameContentDlg::OnDestroyContent() {}

bool CFrameContentDlg::LoadBackground() {
    return m_pBkImage || LoadPngResource(&m_pBkImage, m_nBackgroundPng);
}

BOOL CFrameContentDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    if (LoadBackground()) {
        LayoutControls(TRUE);
        m_bLaidOut = TRUE;
    }
    return TRUE;
}

BOOL CFrameContentDlg::PreTranslateMessage(MSG* pMsg) {
    if (pMsg->message == WM_KEYDOWN && (pMsg->wParam == VK_ESCAPE || pMsg->wParam == VK_RETURN)) {
        return TRUE;
    }
    return CDialog::PreTranslateMessage(pMsg);
}

void CFrameContentDlg::DrawBackground(HDC hDC) {
    const RECT rc = GetClientRect();
    const auto draw = [&](HDC hTarget) {
        if (DrawOpaqueImage(hTarget, m_pBkImage.get(), rc.right, rc.bottom)) {
            return;
        }
        Gdiplus::Graphics graphics(hTarget);
        graphics.SetSmoothingMode(Gdiplus::SmoothingModeHighQuality);
        graphics.DrawImage(m_pBkImage.get(), Gdiplus::Rect(0, 0, rc.right, rc.bottom), 0, 0,
                           static_cast<INT>(m_pBkImage->GetWidth()),
                           static_cast<INT>(m_pBkImage->GetHeight()), Gdiplus::UnitPixel);
    };
    if (m_bBufferedBackground) {
        PaintBuffered(hDC, rc, draw);
    } else {
        draw(hDC);
    }
}

LRESULT CFrameContentDlg::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_ERASEBKGND) {
        KELVANE_MARK("content painted", m_nTemplateId);
        if (LoadBackground()) {
            DrawBackground(reinterpret_cast<HDC>(wParam));
        }
        return TRUE;
    }
    return CDialog::WindowProc(msg, wParam, lParam);
}

void CFrameContentDlg::OnSize(UINT, int, int) {
    if (m_bLaidOut) {
        LayoutControls(FALSE);
    }
}

LRESULT CFrameContentDlg::OnNcHitTest(POINT ptScreen, LRESULT nHitTest) {
    if (!IsDraggable()) {
        return nHitTest;
    }
    RECT client = GetClientRect();
    MapWindowPoints(m_hWnd, HWND_DESKTOP, reinterpret_cast<POINT*>(&client), 2);
    const PixelRect band = FrameGeometry::CaptionBand(
        m_pair, {client.left, client.top, client.right, client.bottom}, m_fScale);
    m_bInCaption = band.Contains(ptScreen.x, ptScreen.y) ? TRUE : FALSE;
    return m_bInCaption ? HTCAPTION : nHitTest;
}

void CFrameContentDlg::OnMove(int, int) {
    if (!IsDraggable() || !m_bInCaption) {
        return;
    }
    // The user drags this window by its band: the frame comes along.
    auto* pFrame = dynamic_cast<CLayeredFrameDlg*>(FromHandle(GetWindow(m_hWnd, GW_OWNER)));
    if (pFrame != nullptr) {
        const RECT rc = GetWindowRect();
        pFrame->MoveWithChild(rc.left, rc.top, rc.right, rc.bottom);
    }
}

void CFrameContentDlg::OnDestroy() {
    OnDestroyContent();
    m_pBkImage.reset();
}
