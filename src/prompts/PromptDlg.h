#pragma once

#include "ui/Messages.h"
#include "prompts/PromptLayout.h"
#include "ui/LayeredFrameDlg.h"

#include <string>

class CPromptChildDlg;

// The tool's message box: a skinned modal prompt with a word-wrapped text and one or two
// answers. DoModal gives IDOK for the first answer and IDCANCEL for the second or the close
// glyph.
class CPromptDlg : public CLayeredFrameDlg {
public:
    explicit CPromptDlg(CWnd* pParent = nullptr);

    void SetText(std::wstring strText);
    // One of the PROMPT_TYPE_ values.
    void SetType(int nType);

    std::wstring m_strText;
    int m_nType = PROMPT_TYPE_YES;

protected:
    BOOL OnInitDialog() override;
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    CFrameContentDlg* NewContent() override;

private:
    LRESULT OnPromptResult(WPARAM wParam, LPARAM lParam);
};
