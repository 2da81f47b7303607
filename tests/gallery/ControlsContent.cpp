#include "ControlsContent.h"

#include "app/PanelLayout.h"
#include "framework/GdiObject.h"
#include "resource.h"
#include "ui/FrameGeometry.h"
#include "ui/LabelFont.h"

#include <string>

namespace {

constexpr UINT_PTR kLinkHoverTimer = 33; // as the main panel: 100 ms
constexpr UINT_PTR kPaintReportTimer = 34;

int S(int nValue, float fScale) {
    return FrameGeometry::Scale(nValue, fScale);
}

std::string ToUtf8(const std::wstring& text) {
    const int n = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()),
                                      nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), out.data(), n,
                        nullptr, nullptr);
    return out;
}

} // namespace

LRESULT CountingLinkStatic::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_PAINT) {
        ++nPaints;
    }
    return CDrawTextStatic::WindowProc(msg, wParam, lParam);
}

ControlsContent::ControlsContent(const std::wstring& journalPath)
    : CFrameContentDlg(IDD_KELVANE_DIALOG, kShellPair, IDB_PANEL_BACKGROUND),
      m_journalPath(journalPath) {}

void ControlsContent::LayoutControls(BOOL bFirst) {
    const RECT rc = GetClientRect();
    const float s = m_fScale;
    if (bFirst) {
        m_btnClose.SubclassDlgItem(IDC_BUTTON_CLOSE, this);
        m_btnMinimize.SubclassDlgItem(IDC_BUTTON_MINIMIZE, this);
        m_stcTitle.SubclassDlgItem(IDC_STATIC_TITLE, this);
        m_btnLarge.SubclassDlgItem(IDC_BUTTON_LARGE, this);
        m_btnMedium.SubclassDlgItem(IDC_BUTTON_MEDIUM, this);
        m_btnSmall.SubclassDlgItem(IDC_BUTTON_SMALL, this);
        m_btnMoreTools.SubclassDlgItem(IDC_BUTTON_MORE_TOOLS, this);
        m_chkAgree.SubclassDlgItem(IDC_CHECK_AGREE, this);
        m_stcAgreement.SubclassDlgItem(IDC_STATIC_AGREEMENT, this);
        m_stcFeedback.SubclassDlgItem(IDC_STATIC_FEEDBACK, this);

        m_btnClose.m_fScale = s;
        m_btnClose.SetImages(IDB_CLOSE_NORMAL, IDB_CLOSE_HOVER, IDB_CLOSE_PRESSED,
                             IDB_CLOSE_DISABLED);
        m_btnMinimize.m_fScale = s;
        m_btnMinimize.SetImages(IDB_MINIMIZE_NORMAL, IDB_MINIMIZE_HOVER, IDB_MINIMIZE_PRESSED,
                                IDB_MINIMIZE_DISABLED);

        m_stcTitle.SetWindowText(L"1.1.22.1017");
        m_stcTitle.SetBkImage(m_pBkImage.get());
        m_stcTitle.SetBkRect(188, 16, 328, 31);
        m_stcTitle.SetFontSize(0, 0);
        m_stcTitle.SetAlign(1);
        m_stcTitle.SetInfoTextColor(RGB(255, 255, 255));
        m_stcTitle.StartAnimation();

        struct SizeButton {
            CImageButton& button;
            RECT patch;
            UINT nFirstImage;
        };
        const SizeButton sizes[] = {{m_btnLarge, {51, 280, 133, 327}, IDB_LARGE_NORMAL},
                                    {m_btnMedium, {159, 280, 241, 327}, IDB_MEDIUM_NORMAL},
                                    {m_btnSmall, {266, 280, 348, 327}, IDB_SMALL_NORMAL}};
        for (const SizeButton& b : sizes) {
            b.button.SetBkImage(m_pBkImage.get());
            b.button.SetBkRect(b.patch.left, b.patch.top, b.patch.right, b.patch.bottom);
            b.button.SetImages(b.nFirstImage, b.nFirstImage + 1, b.nFirstImage + 2,
                               b.nFirstImage + 3);
        }
        const int nMargin = S(kLargeMargin, s);
        m_btnLarge.SetMargins(nMargin, nMargin, nMargin, nMargin);
        // Starts disabled; a click on the medium button toggles it from a worker thread.
        m_btnSmall.EnableButton(FALSE);

        m_btnMoreTools.SetBkImage(m_pBkImage.get());
        m_btnMoreTools.SetBkRect(50, 545, 108, 563);
        m_btnMoreTools.SetImages(IDB_MORE_TOOLS_NORMAL, IDB_MORE_TOOLS_HOVER,
                                 IDB_MORE_TOOLS_PRESSED, IDB_MORE_TOOLS_DISABLED);

        m_chkAgree.SetFontFromParent();
        m_chkAgree.m_fScale = s;
        m_chkAgree.SendMessage(BM_SETCHECK, BST_CHECKED);

        for (CDrawTextStatic* pLink : {static_cast<CDrawTextStatic*>(&m_stcAgreement),
                                       static_cast<CDrawTextStatic*>(&m_stcFeedback)}) {
            pLink->SetFontSize(0, 0);
            pLink->SetAlign(1);
            pLink->SetBkColor(RGB(255, 255, 255));
            pLink->SetTextColors(RGB(92, 92, 255), RGB(0, 0, 255));
        }
        SetTimer(kLinkHoverTimer, 100);
        SetTimer(kPaintReportTimer, 250);
    }

    // Where the main panel puts them.
    const CWindowDC dc(m_hWnd);
    const PanelLayout l = PanelLayout::Compute(
        ToPixelRect(rc), s,
        MeasureTextWidth(m_hWnd, dc, L"同意《Ostrel服务工具使用许可协议》", 0, 0),
        MeasureTextWidth(m_hWnd, dc, L"反馈问题", 0, 0));
    const std::pair<CWnd*, const PixelRect*> places[] = {
        {&m_btnClose, &l.close},         {&m_btnMinimize, &l.minimize},
        {&m_stcTitle, &l.title},         {&m_btnLarge, &l.large},
        {&m_btnMedium, &l.medium},       {&m_btnSmall, &l.small},
        {&m_btnMoreTools, &l.moreTools}, {&m_chkAgree, &l.check},
        {&m_stcAgreement, &l.agreement}, {&m_stcFeedback, &l.feedback}};
    for (const auto& [pControl, pRect] : places) {
        MoveTo(*pControl, *pRect);
    }
}

void ControlsContent::OnDestroyContent() {
    KillTimer(kLinkHoverTimer);
    KillTimer(kPaintReportTimer);
    m_stcTitle.StopAnimation();
    for (CPngButton* pButton : {&m_btnClose, &m_btnMinimize}) {
        pButton->FreeImages();
    }
    for (CImageButton* pButton : {&m_btnLarge, &m_btnMedium, &m_btnSmall, &m_btnMoreTools}) {
        pButton->FreeImages();
    }
}

LRESULT ControlsContent::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) != IDOK && LOWORD(wParam) != IDCANCEL) {
            OnClicked(LOWORD(wParam));
            return 0;
        }
        break;
    case WM_MOUSEMOVE: {
        // The links have no notify style, so the pointer over them moves over the page.
        POINT pt{};
        GetCursorPos(&pt);
        m_stcFeedback.UpdateHover(pt);
        m_stcAgreement.UpdateHover(pt);
        break;
    }
    case WM_APP_ENABLED:
        Journal(L"enabled 1020 " + std::to_wstring(wParam));
        return 0;
    default:
        break;
    }
    return CFrameContentDlg::WindowProc(msg, wParam, lParam);
}

void ControlsContent::OnTimer(UINT_PTR nIdEvent) {
    if (nIdEvent == kLinkHoverTimer) {
        POINT pt{};
        GetCursorPos(&pt);
        m_stcAgreement.UpdateHover(pt);
    } else if (nIdEvent == kPaintReportTimer) {
        const CountingLinkStatic* links[] = {&m_stcAgreement, &m_stcFeedback};
        const int ids[] = {IDC_STATIC_AGREEMENT, IDC_STATIC_FEEDBACK};
        for (int i = 0; i < 2; ++i) {
            if (links[i]->nPaints != m_nLastPaints[i]) {
                m_nLastPaints[i] = links[i]->nPaints;
                Journal(L"paints " + std::to_wstring(ids[i]) + L" " +
                        std::to_wstring(links[i]->nPaints) + L" hover=" +
                        std::to_wstring(links[i]->m_bHover));
            }
        }
    }
}

DWORD WINAPI ControlsContent::ToggleSmallThread(LPVOID pParam) {
    auto* self = static_cast<ControlsContent*>(pParam);
    const BOOL bEnable = self->m_btnSmall.m_nState == BUTTON_STATE_DISABLED ? TRUE : FALSE;
    self->m_btnSmall.EnableButton(bEnable);
    ::PostMessageW(self->m_hWnd, WM_APP_ENABLED, static_cast<WPARAM>(bEnable), 0);
    return 0;
}

void ControlsContent::OnClicked(int nId) {
    std::wstring line = L"clicked " + std::to_wstring(nId);
    switch (nId) {
    case IDC_BUTTON_LARGE:
    case IDC_BUTTON_MEDIUM:
    case IDC_BUTTON_SMALL:
    case IDC_BUTTON_MORE_TOOLS: {
        auto* pButton = static_cast<CImageButton*>(FromHandle(::GetDlgItem(m_hWnd, nId)));
        line += L" inside=" + std::to_wstring(pButton->IsCursorInside());
        break;
    }
    case IDC_CHECK_AGREE:
        line += L" check=" + std::to_wstring(m_chkAgree.SendMessage(BM_GETCHECK));
        break;
    default:
        break;
    }
    Journal(line);
    if (nId == IDC_BUTTON_CLOSE) {
        PostQuitMessage(0);
    } else if (nId == IDC_BUTTON_MEDIUM) {
        HANDLE hThread = CreateThread(nullptr, 0, ToggleSmallThread, this, 0, nullptr);
        if (hThread != nullptr) {
            CloseHandle(hThread);
        }
    }
}

void ControlsContent::Journal(const std::wstring& line) {
    if (m_journalPath.empty()) {
        return;
    }
    HANDLE hFile = CreateFileW(m_journalPath.c_str(), FILE_APPEND_DATA,
                               FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                               OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE) {
        return;
    }
    const std::string bytes = ToUtf8(line) + "\r\n";
    DWORD nWritten = 0;
    WriteFile(hFile, bytes.data(), static_cast<DWORD>(bytes.size()), &nWritten, nullptr);
    CloseHandle(hFile);
}
