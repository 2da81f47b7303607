#include "ui/FrameContentDlg.h"

#include "ui/LayeredFrameDlg.h"
#include "ui/PngResource.h"

#include <windowsx.h>

CFrameContentDlg::CFrameContentDlg(UINT nTemplateId, const FramePairMetrics& pair,
                                   UINT nBackgroundPng)
    : CDialog(nTemplateId), m_pair(pair), m_nBackgroundPng(nBackgroundPng) {}

CFrameContentDlg::~CFrameContentDlg() {
    delete m_pBkImage;
}

void CFrameContentDlg::LayoutControls(BOOL) {}

void CFrameContentDlg::OnDestroyContent() {}

bool CFrameContentDlg::EnsureBackground() {
    return m_pBkImage != nullptr || LoadPngResource(&m_pBkImage, m_nBackgroundPng);
}

BOOL CFrameContentDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    if (EnsureBackground()) {
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
        Gdiplus::Graphics graphics(hTarget);
        graphics.SetSmoothingMode(Gdiplus::SmoothingModeHighQuality);
        graphics.DrawImage(m_pBkImage, Gdiplus::Rect(0, 0, rc.right, rc.bottom), 0, 0,
                           static_cast<INT>(m_pBkImage->GetWidth()),
                           static_cast<INT>(m_pBkImage->GetHeight()), Gdiplus::UnitPixel);
    };
    if (!m_bBufferedBackground) {
        draw(hDC);
        return;
    }
    HDC hMemDC = CreateCompatibleDC(hDC);
    HBITMAP hBitmap = CreateCompatibleBitmap(hDC, rc.right, rc.bottom);
    HGDIOBJ hOld = SelectObject(hMemDC, hBitmap);
    draw(hMemDC);
    BitBlt(hDC, 0, 0, rc.right, rc.bottom, hMemDC, 0, 0, SRCCOPY);
    SelectObject(hMemDC, hOld);
    DeleteObject(hBitmap);
    DeleteDC(hMemDC);
}

LRESULT CFrameContentDlg::OnNcHitTest(WPARAM wParam, LPARAM lParam) {
    RECT client = GetClientRect();
    MapWindowPoints(m_hWnd, HWND_DESKTOP, reinterpret_cast<POINT*>(&client), 2);
    const PixelRect band = FrameGeometry::CaptionBand(
        m_pair, {client.left, client.top, client.right, client.bottom}, m_fScale);
    m_bInCaption = band.Contains(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)) ? TRUE : FALSE;
    return m_bInCaption ? HTCAPTION : Default(WM_NCHITTEST, wParam, lParam);
}

void CFrameContentDlg::OnMoved() {
    // The user drags this window by its band: the frame comes along.
    auto* pFrame = dynamic_cast<CLayeredFrameDlg*>(FromHandle(GetWindow(m_hWnd, GW_OWNER)));
    if (m_bInCaption && pFrame != nullptr) {
        const RECT rc = GetWindowRect();
        pFrame->MoveWithChild(rc.left, rc.top, rc.right, rc.bottom);
    }
}

LRESULT CFrameContentDlg::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    const bool bDraggable = m_pair.nCaptionHeight > 0;
    switch (msg) {
    case WM_ERASEBKGND:
        if (EnsureBackground()) {
            DrawBackground(reinterpret_cast<HDC>(wParam));
        }
        return TRUE;
    case WM_SIZE: {
        const LRESULT result = Default(msg, wParam, lParam);
        if (m_bLaidOut) {
            LayoutControls(FALSE);
        }
        return result;
    }
    case WM_NCHITTEST:
        if (bDraggable) {
            return OnNcHitTest(wParam, lParam);
        }
        break;
    case WM_MOVE:
        if (bDraggable) {
            const LRESULT result = Default(msg, wParam, lParam);
            OnMoved();
            return result;
        }
        break;
    case WM_DESTROY: {
        const LRESULT result = CDialog::WindowProc(msg, wParam, lParam);
        OnDestroyContent();
        delete m_pBkImage;
        m_pBkImage = nullptr;
        return result;
    }
    default:
        break;
    }
    return CDialog::WindowProc(msg, wParam, lParam);
}
