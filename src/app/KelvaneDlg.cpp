#include "app/KelvaneDlg.h"

#include "app/PanelLayout.h"
#include "framework/GdiObject.h"
#include "log/GbkText.h"
#include "log/LogSave.h"
#include "prompts/PromptDlg.h"
#include "res/resource.h"
#include "service/HostClientSearch.h"
#include "system/Timeline.h"
#include "taskbar/TaskbarSizeCommand.h"
#include "ui/LabelFont.h"
#include "ui/Messages.h"
#include "ui/PngImageCache.h"

#include <cstdlib>

namespace {

constexpr UINT kPanelTimerMs = 100;
// The agreement box's thread lives some 20 ms.
constexpr DWORD kUpdateButtonsWaitMs = 2000;
// Accepted and answered; nothing else happens.
constexpr UINT WM_KELVANE_2024 = 0x07E8;

constexpr wchar_t kStartupLogFile[] = L"Dorrin.txt";
constexpr wchar_t kInitFailedText[] = L"工具初始化失败";
constexpr wchar_t kUnsupportedText[] = L"此工具不支持当前系统";
constexpr wchar_t kAgreementMeasure[] = L"同意《Ostrel服务工具使用许可协议》";
constexpr wchar_t kFeedbackMeasure[] = L"反馈问题";

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kLinkColour = RGB(92, 92, 255);
constexpr COLORREF kLinkHoverColour = RGB(0, 0, 255);

// The images the panel's first paint shows, in the order the layout takes them; the buttons'
// other states are decoded when first shown.
constexpr UINT kControlImages[] = {IDB_CLOSE_NORMAL,  IDB_MINIMIZE_NORMAL, IDB_LARGE_NORMAL,
                                   IDB_MEDIUM_NORMAL, IDB_SMALL_NORMAL,    IDB_MORE_TOOLS_NORMAL,
                                   IDB_CHECK_BOX};

void SetPatch(CImageButton& button, const PixelRect& rc) {
    button.SetBkRect(rc.left, rc.top, rc.right, rc.bottom);
}

void ConfigureLink(CDrawTextStatic& link) {
    link.SetFontSize(0, 0);
    link.SetAlign(1);
    link.SetBkColor(kWhite);
    link.SetTextColors(kLinkColour, kLinkHoverColour);
}

} // namespace

CKelvaneDlg::CKelvaneDlg()
    : CFrameContentDlg(IDD_KELVANE_DIALOG, kShellPair, IDB_PANEL_BACKGROUND) {
    // So the shell follows the panel's first placement, which is how it reaches its place.
    m_bInCaption = TRUE;
}

CKelvaneDlg::~CKelvaneDlg() {
    CFeedbackDll::FreeFeedbackInfo(m_strFeedbackInfo);
}

void CKelvaneDlg::DoDataExchange() {
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
}

BOOL CKelvaneDlg::OnInitDialog() {
    KELVANE_MARK("panel OnInitDialog");
    CDialog::OnInitDialog();
    if (!LoadBackground()) {
        return TRUE;
    }
    KELVANE_MARK("panel background decoded");
    // Decoded on a second thread while the checks run, the version check's console command
    // above all, instead of after them.
    CPngImageCache::Prefetch(kControlImages);
    DetectHostClient();
    KELVANE_MARK("host-client probe done");
    RunStartupChecks();
    KELVANE_MARK("checks done");
    LayoutControls(TRUE);
    KELVANE_MARK("controls laid out");
    SetTimer(TIMER_LINK_HOVER, kPanelTimerMs);
    SetTimer(TIMER_VERSION_CHECK, kPanelTimerMs);
    m_bLaidOut = TRUE;
    return TRUE;
}

void CKelvaneDlg::DetectHostClient() {
    if (const auto nType = DetectHostClientType(m_aes, *m_pHostClientCalls)) {
        m_nDeviceType = *nType;
    }
}

void CKelvaneDlg::RunStartupChecks() {
    if (!m_sizeSetter.SetNotifyWnd(m_hWnd)) {
        FailStartup(L"设置接收消息窗口指针失败", kInitFailedText);
    }
    if (!m_sizeSetter.IsSupportedSystem()) {
        FailStartup(kUnsupportedText, kUnsupportedText);
    }
    if (!m_feedbackDll.LoadFeedbackDll()) {
        FailStartup(L"加载反馈DLL失败", kInitFailedText);
    }
    if (m_feedbackDll.InitFreedbackDll(m_strFeedbackInfo) == 0) {
        FailStartup(L"初始化反馈DLL失败", kInitFailedText);
    }
}

void CKelvaneDlg::FailStartup(const wchar_t* pszLogText, const wchar_t* pszPromptText) {
    GetLogSave()->WriteLog(ToGbk(pszLogText), ToGbk(kStartupLogFile), true);
    ShowPrompt(pszPromptText, PROMPT_TYPE_CONFIRM);
    // Nothing is torn down on this path, and the tool's folder stays.
    std::exit(0);
}

INT_PTR CKelvaneDlg::ShowPrompt(std::wstring_view text, int nType, CWnd* pOwner) {
    CPromptDlg prompt(pOwner);
    prompt.m_fScale = m_fScale;
    prompt.SetText(std::wstring(text));
    prompt.SetType(nType);
    return prompt.DoModal();
}

void CKelvaneDlg::CheckToolVersion() {
    KillTimer(TIMER_VERSION_CHECK);
    if (m_feedbackDll.GetToolIsNewVersion(FEEDBACK_TOOL_ID, FEEDBACK_TOOL_VERSION) != 3) {
        return;
    }
    const HostClientSearch::UpdateNotice notice = HostClientSearch::UpdateNoticeFor(m_nDeviceType);
    ShowPrompt(notice.text, PROMPT_TYPE_CONFIRM, this);
    if (notice.bOpenDownloadPage) {
        m_feedbackDll.OpenToolDownUrl();
    }
    std::exit(0);
}

void CKelvaneDlg::LayoutControls(BOOL bInit) {
    m_rcClient = GetClientRect();
    const float s = m_fScale;
    int nAgreementWidth = -1;
    int nFeedbackWidth = -1;
    {
        // The texts are measured in the shell's font, on the panel's DC.
        HWND hOwner = GetWindow(m_hWnd, GW_OWNER);
        const CWindowDC dc(m_hWnd);
        nAgreementWidth = MeasureTextWidth(hOwner, dc, kAgreementMeasure, 0, 0);
        nFeedbackWidth = MeasureTextWidth(hOwner, dc, kFeedbackMeasure, 0, 0);
    }
    const PanelLayout l =
        PanelLayout::Compute(ToPixelRect(m_rcClient), s, nAgreementWidth, nFeedbackWidth);
    Gdiplus::Image* pBk = m_pBkImage.get();

    if (bInit) {
        m_btnClose.m_fScale = s;
        m_btnClose.SetImages(IDB_CLOSE_NORMAL, IDB_CLOSE_HOVER, IDB_CLOSE_PRESSED,
                             IDB_CLOSE_DISABLED);
    }
    MoveTo(m_btnClose, l.close);
    if (bInit) {
        m_btnMinimize.m_fScale = s;
        m_btnMinimize.SetImages(IDB_MINIMIZE_NORMAL, IDB_MINIMIZE_HOVER, IDB_MINIMIZE_PRESSED,
                                IDB_MINIMIZE_DISABLED);
    }
    MoveTo(m_btnMinimize, l.minimize);

    if (bInit) {
        m_stcTitle.SetWindowText(FEEDBACK_TOOL_VERSION);
        m_stcTitle.SetBkImage(pBk);
        m_stcTitle.SetBkRect(kTitlePatch.left, kTitlePatch.top, kTitlePatch.right,
                             kTitlePatch.bottom);
        m_stcTitle.SetFontSize(0, 0);
        m_stcTitle.SetAlign(1);
        m_stcTitle.SetBkColor(kWhite);
        m_stcTitle.SetTextColors(kWhite, kWhite);
    }
    MoveTo(m_stcTitle, l.title);

    struct SizeButton {
        CImageButton& button;
        const PixelRect& rc;
        const PixelRect& patch;
        UINT nFirstImage;
    };
    const SizeButton sizeButtons[] = {{m_btnLarge, l.large, kLargePatch, IDB_LARGE_NORMAL},
                                      {m_btnMedium, l.medium, kMediumPatch, IDB_MEDIUM_NORMAL},
                                      {m_btnSmall, l.small, kSmallPatch, IDB_SMALL_NORMAL}};
    for (const SizeButton& b : sizeButtons) {
        if (bInit) {
            b.button.SetBkImage(pBk);
            SetPatch(b.button, b.patch);
            b.button.SetMargins(l.nSizeMargin, l.nSizeMargin, l.nSizeMargin, l.nSizeMargin);
            b.button.SetImages(b.nFirstImage, b.nFirstImage + 1, b.nFirstImage + 2,
                               b.nFirstImage + 3);
        }
        MoveTo(b.button, b.rc);
    }

    if (bInit) {
        m_btnMoreTools.SetBkImage(pBk);
        SetPatch(m_btnMoreTools, l.moreToolsPatch);
        m_btnMoreTools.SetMargins(l.nMoreToolsMargin, l.nMoreToolsMargin, l.nMoreToolsMargin,
                                  l.nMoreToolsMargin);
        m_btnMoreTools.SetImages(IDB_MORE_TOOLS_NORMAL, IDB_MORE_TOOLS_HOVER,
                                 IDB_MORE_TOOLS_PRESSED, IDB_MORE_TOOLS_DISABLED);
    }
    MoveTo(m_btnMoreTools, l.moreTools);
    // A host client brings its own way to more tools.
    m_btnMoreTools.ShowWindow(m_nDeviceType > 0 ? SW_HIDE : SW_SHOW);

    if (bInit) {
        m_chkAgree.SetFontFromParent();
        m_chkAgree.m_fScale = s;
        m_chkAgree.SendMessage(BM_SETCHECK, BST_CHECKED);
    }
    MoveTo(m_chkAgree, l.check);
    if (bInit) {
        ConfigureLink(m_stcAgreement);
    }
    MoveTo(m_stcAgreement, l.agreement);
    if (bInit) {
        ConfigureLink(m_stcFeedback);
    }
    MoveTo(m_stcFeedback, l.feedback);
}

LRESULT CKelvaneDlg::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_LBUTTONDOWN:
        OnLButtonDown({static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
        break;
    case WM_SET_TASKBAR_SIZE_RESULT:
        return OnSetTaskbarSizeResult(wParam, lParam);
    case WM_CLOSE_EXECUTE_PROMPT:
        return OnCloseExecutePrompt(wParam, lParam);
    case WM_KELVANE_2024:
        return 1;
    case WM_COMMAND:
        if (HIWORD(wParam) != BN_CLICKED) {
            break;
        }
        switch (LOWORD(wParam)) {
        case IDC_CHECK_AGREE:
            OnBnClickedAgree();
            return 0;
        case IDC_BUTTON_CLOSE:
            OnBnClickedClose();
            return 0;
        case IDC_BUTTON_MINIMIZE:
            OnBnClickedMinimize();
            return 0;
        case IDC_BUTTON_LARGE:
            OnBnClickedLarge();
            return 0;
        case IDC_BUTTON_MEDIUM:
            OnBnClickedMedium();
            return 0;
        case IDC_BUTTON_SMALL:
            OnBnClickedSmall();
            return 0;
        case IDC_BUTTON_MORE_TOOLS:
            OnBnClickedMoreTools();
            return 0;
        default:
            break;
        }
        break;
    default:
        break;
    }
    return CFrameContentDlg::WindowProc(msg, wParam, lParam);
}

LRESULT CKelvaneDlg::OnNcHitTest(POINT ptScreen, LRESULT nHitTest) {
    m_stcFeedback.UpdateHover(ptScreen);
    m_stcAgreement.UpdateHover(ptScreen);
    return CFrameContentDlg::OnNcHitTest(ptScreen, nHitTest);
}

void CKelvaneDlg::OnTimer(UINT_PTR nIdEvent) {
    if (nIdEvent == TIMER_LINK_HOVER) {
        // Also when the pointer has left the panel: the link must lose its hover colour.
        POINT pt{};
        GetCursorPos(&pt);
        m_stcAgreement.UpdateHover(pt);
    } else if (nIdEvent == TIMER_VERSION_CHECK) {
        CheckToolVersion();
    }
    CFrameContentDlg::OnTimer(nIdEvent);
}

void CKelvaneDlg::OnDestroy() {
    WaitForUpdateButtonsThread();
    for (CSkinButton* pButton :
         {static_cast<CSkinButton*>(&m_btnClose), static_cast<CSkinButton*>(&m_btnMinimize),
          static_cast<CSkinButton*>(&m_btnLarge), static_cast<CSkinButton*>(&m_btnMedium),
          static_cast<CSkinButton*>(&m_btnSmall), static_cast<CSkinButton*>(&m_btnMoreTools)}) {
        pButton->FreeImages();
    }
    // Nothing may paint from the background once it is gone.
    for (CDrawTextStatic* pLabel : {&m_stcTitle, &m_stcAgreement, &m_stcFeedback}) {
        pLabel->SetBkImage(nullptr);
    }
    for (CImageButton* pButton : {&m_btnLarge, &m_btnMedium, &m_btnSmall, &m_btnMoreTools}) {
        pButton->SetBkImage(nullptr);
    }
    m_pBkImage.reset();
    KillTimer(TIMER_LINK_HOVER);
    m_pExecutePromptDlg.reset();
    m_feedbackDll.FreeFeedbackDll();
    CFeedbackDll::FreeFeedbackInfo(m_strFeedbackInfo);
}

void CKelvaneDlg::OnOK() {}

void CKelvaneDlg::OnCancel() {
    OnBnClickedClose();
}

void CKelvaneDlg::OnLButtonDown(POINT ptClient) {
    POINT pt = ptClient;
    ClientToScreen(m_hWnd, &pt);
    if (m_stcFeedback.HitTest(pt)) {
        m_feedbackDll.FeedbackQuestion(FEEDBACK_TOOL_ID, FEEDBACK_TOOL_VERSION);
    }
    if (m_stcAgreement.HitTest(pt)) {
        m_feedbackDll.OpenUseAgreementUrl();
    }
}

void CKelvaneDlg::OnBnClickedAgree() {
    // One at a time, so the newest tick always has the last word.
    WaitForUpdateButtonsThread();
    m_hUpdateButtonsThread =
        CreateThread(nullptr, 0, UpdateSizeButtonsThreadProc, this, 0, nullptr);
}

void CKelvaneDlg::WaitForUpdateButtonsThread() {
    if (m_hUpdateButtonsThread == nullptr) {
        return;
    }
    // The thread sends to this thread's windows: their messages are handled while waiting.
    const ULONGLONG nDeadline = GetTickCount64() + kUpdateButtonsWaitMs;
    for (ULONGLONG nNow = GetTickCount64(); nNow < nDeadline; nNow = GetTickCount64()) {
        if (MsgWaitForMultipleObjects(1, &m_hUpdateButtonsThread, FALSE,
                                      static_cast<DWORD>(nDeadline - nNow),
                                      QS_SENDMESSAGE) != WAIT_OBJECT_0 + 1) {
            break;
        }
        MSG msg;
        PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
    CloseHandle(m_hUpdateButtonsThread);
    m_hUpdateButtonsThread = nullptr;
}

DWORD WINAPI CKelvaneDlg::UpdateSizeButtonsThreadProc(LPVOID pParam) {
    auto* pDlg = static_cast<CKelvaneDlg*>(pParam);
    const BOOL bTicked = pDlg->m_chkAgree.SendMessage(BM_GETCHECK) == BST_CHECKED;
    pDlg->m_btnLarge.EnableButton(bTicked);
    Sleep(10);
    pDlg->m_btnMedium.EnableButton(bTicked);
    Sleep(10);
    pDlg->m_btnSmall.EnableButton(bTicked);
    return 1;
}

void CKelvaneDlg::OnBnClickedClose() {
    ::SendMessageW(GetParent(m_hWnd), WM_CLOSE, 0, 0);
}

void CKelvaneDlg::OnBnClickedMinimize() {
    ::PostMessageW(GetParent(m_hWnd), WM_SYSCOMMAND, SC_MINIMIZE, 0);
}

void CKelvaneDlg::OnBnClickedMoreTools() {
    m_feedbackDll.OpenUrl(m_strFeedbackInfo[FEEDBACK_INFO_MORE_TOOLS]);
}

void CKelvaneDlg::OnBnClickedLarge() {
    ChangeTaskbarSize(m_btnLarge, TASKBAR_SIZE_LARGE);
}

void CKelvaneDlg::OnBnClickedMedium() {
    ChangeTaskbarSize(m_btnMedium, TASKBAR_SIZE_MEDIUM);
}

void CKelvaneDlg::OnBnClickedSmall() {
    ChangeTaskbarSize(m_btnSmall, TASKBAR_SIZE_SMALL);
}

void CKelvaneDlg::ChangeTaskbarSize(CImageButton& button, int nSizeType) {
    if (!button.IsCursorInside() || m_bSizeChangeRunning) {
        return;
    }
    m_bSizeChangeRunning = true;
    KELVANE_MARK("size click");
    if (ShowPrompt(L"请保存好数据，确定要运行吗？", PROMPT_TYPE_CONFIRMCANCEL) != IDOK) {
        m_bSizeChangeRunning = false;
        ::SetForegroundWindow(m_hWnd);
        return;
    }
    KELVANE_MARK("confirmed");
    m_sizeSetter.m_nSizeType = nSizeType;
    if (!m_sizeSetter.StartSetTaskbarSizeThread()) {
        ShowPrompt(L"设置任务大小失败！", PROMPT_TYPE_CONFIRM);
        m_bSizeChangeRunning = false;
        ::SetForegroundWindow(m_hWnd);
        return;
    }
    // The previous run's prompt is closed; this one stays until the worker closes it.
    m_pExecutePromptDlg = std::make_unique<CExecutePromptDlg>();
    m_pExecutePromptDlg->SetText(L"正在设置，请稍等");
    m_pExecutePromptDlg->m_fScale = m_fScale;
    m_pExecutePromptDlg->DoModal();
}

LRESULT CKelvaneDlg::OnCloseExecutePrompt(WPARAM, LPARAM) {
    if (m_pExecutePromptDlg) {
        m_pExecutePromptDlg->EndFromOwner();
    }
    return 1;
}

LRESULT CKelvaneDlg::OnSetTaskbarSizeResult(WPARAM wParam, LPARAM) {
    if (wParam == 1) {
        if (ShowPrompt(L"设置任务栏大小成功,设置后需要重启电脑生效,是否重启电脑？",
                       PROMPT_TYPE_YESNO) == IDOK) {
            m_feedbackDll.RecordOutcome(1, m_nDeviceType);
            m_sizeSetter.RestartComputer();
        }
        ::SetForegroundWindow(m_hWnd);
    } else if (wParam == 2) {
        ShowPrompt(L"设置任务栏大小失败", PROMPT_TYPE_CONFIRM);
        ::SetForegroundWindow(m_hWnd);
    } else {
        // Not the worker's: the run, if any, goes on.
        return 1;
    }
    m_bSizeChangeRunning = false;
    return 1;
}
