#pragma once

#include "ui/LayeredFrameDlg.h"

#include <string>

// The please-wait window shown while the size worker runs: a text with growing dots, no
// answers, not movable. Only its owner ends it, with WM_CLOSE_EXECUTE_PROMPT (declared with
// the size setter, which starts that message on its way); DoModal then gives IDOK.
class CExecutePromptDlg : public CLayeredFrameDlg {
public:
    explicit CExecutePromptDlg(CWnd* pParent = nullptr);

    void SetText(std::wstring strText);
    // Ends the prompt for its owner: at once when it is up, else as soon as it comes up, so a
    // close that arrives first cannot leave it open for ever.
    void EndFromOwner();

    std::wstring m_strText;

protected:
    BOOL OnInitDialog() override;
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    CFrameContentDlg* NewContent() override;
    void PrepareGraphics(Gdiplus::Graphics& graphics) override;
    // The user cannot close it: WM_CLOSE (Alt+F4 on the frame) is ignored.
    void OnCancel() override;

    LRESULT OnCloseExecutePrompt(WPARAM wParam, LPARAM lParam);

private:
    bool m_bEndWhenUp = false;
};
