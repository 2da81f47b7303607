#pragma once

#include "prompts/PromptLayout.h"
#include "ui/DrawTextStatic.h"
#include "ui/FrameContentDlg.h"
#include "ui/PngButton.h"

#include <string>

// The message prompt's content: the text, the answers for its type and the close glyph; every
// answer goes to the frame, which ends the prompt.
class CPromptChildDlg : public CFrameContentDlg {
public:
    CPromptChildDlg();

    void SetText(std::wstring strText);
    void SetType(int nType);

    CPngButton m_btnClose;
    CPngButton m_btnOK;
    CPngButton m_btnCancel;
    CDrawTextStatic m_staticText;
    std::wstring m_strText;
    int m_nType = PROMPT_TYPE_YES;

protected:
    void DoDataExchange() override;
    void LayoutControls(BOOL bFirst) override;
    void OnDestroyContent() override;
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    // Alt+F4 on the content: the same as the close glyph, so the content never hides alone.
    void OnCancel() override;

    void OnBnClickedOk();
    void OnBnClickedCancel();
    void OnBnClickedClose();

private:
    void SendToFrame(UINT msg, WPARAM wParam);
};
