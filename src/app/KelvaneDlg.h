#pragma once

#include "prompts/ExecutePromptDlg.h"
#include "service/AesCipher.h"
#include "service/FeedbackDll.h"
#include "service/HostClientProbe.h"
#include "taskbar/TaskbarSizeSetter.h"
#include "ui/CheckBoxBtn.h"
#include "ui/DrawTextStatic.h"
#include "ui/FrameContentDlg.h"
#include "ui/ImageButton.h"
#include "ui/PngButton.h"

#include <memory>
#include <string>
#include <string_view>

// The main panel: the content of the shell, holding every control the user touches and the
// objects the tool works with (size setter, feedback library, device type, working prompt).
class CKelvaneDlg : public CFrameContentDlg {
public:
    static constexpr UINT_PTR TIMER_LINK_HOVER = 33;
    static constexpr UINT_PTR TIMER_VERSION_CHECK = 38;

    CKelvaneDlg();
    ~CKelvaneDlg() override;

    RECT m_rcClient{};
    CDrawTextStatic m_stcTitle;
    CPngButton m_btnClose;
    CPngButton m_btnMinimize;
    CImageButton m_btnLarge;
    CImageButton m_btnMedium;
    CImageButton m_btnSmall;
    CImageButton m_btnMoreTools;
    CCheckBoxBtn m_chkAgree;
    CDrawTextStatic m_stcAgreement;
    CDrawTextStatic m_stcFeedback;
    CTaskbarSizeSetter m_sizeSetter;
    std::unique_ptr<CExecutePromptDlg> m_pExecutePromptDlg;
    CAesCipher m_aes;
    CFeedbackDll m_feedbackDll;
    // Null until InitFreedbackDll fills them; the panel frees them when it is destroyed.
    BSTR m_strFeedbackInfo[FEEDBACK_INFO_COUNT] = {};
    int m_nDeviceType = 0;

    // Where the drives and their bus come from; tests play USB drives through it.
    const HostClientSystemCalls* m_pHostClientCalls = &RealHostClientSystemCalls();

    static DWORD WINAPI UpdateSizeButtonsThreadProc(LPVOID pParam);
    // From the confirmation until the result has been handled.
    bool IsSizeChangeRunning() const { return m_bSizeChangeRunning; }

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange() override;
    void LayoutControls(BOOL bInit) override;
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    LRESULT OnNcHitTest(POINT ptScreen, LRESULT nHitTest) override;
    void OnTimer(UINT_PTR nIdEvent) override;
    void OnDestroy() override;
    // Alt+F4 on the panel closes the tool as its close button does, rather than hiding the
    // panel and leaving its frame behind; Enter never reaches here.
    void OnOK() override;
    void OnCancel() override;

    void DetectHostClient();
    // The four start-up checks; returns only when all passed, else ends the process.
    void RunStartupChecks();
    void CheckToolVersion();

    void OnLButtonDown(POINT ptClient);
    void OnBnClickedAgree();
    void OnBnClickedClose();
    void OnBnClickedMinimize();
    void OnBnClickedMoreTools();
    void OnBnClickedLarge();
    void OnBnClickedMedium();
    void OnBnClickedSmall();
    LRESULT OnCloseExecutePrompt(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetTaskbarSizeResult(WPARAM wParam, LPARAM lParam);

private:
    // One step of RunStartupChecks failed: the record, the prompt, the end of the process.
    [[noreturn]] void FailStartup(const wchar_t* pszLogText, const wchar_t* pszPromptText);
    // Shows a message prompt owned by pOwner, by default the application's main window; IDOK
    // for its first answer.
    INT_PTR ShowPrompt(std::wstring_view text, int nType, CWnd* pOwner = nullptr);
    void ChangeTaskbarSize(CImageButton& button, int nSizeType);
    // Bounded: a thread that hangs must not hold the panel for ever.
    void WaitForUpdateButtonsThread();

    // A size change runs from the confirmation until its result has been handled; the panel is
    // live for a moment between the working prompt's end and the result, and a close must wait.
    bool m_bSizeChangeRunning = false;
    // The agreement box's short thread, waited for before the controls it touches go.
    HANDLE m_hUpdateButtonsThread = nullptr;
};
