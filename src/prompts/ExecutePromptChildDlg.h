#pragma once

#include "ui/DrawStateInfoStatic.h"
#include "ui/FrameContentDlg.h"

#include <string>

// The working prompt's content: one centred white status line whose dots grow once a second.
class CExecutePromptChildDlg : public CFrameContentDlg {
public:
    CExecutePromptChildDlg();

    void SetText(std::wstring strText);
    // Stops the dots and shows the bare text.
    void StopAnimation();

    CDrawStateInfoStatic m_staticState;
    std::wstring m_strText;

protected:
    void DoDataExchange() override;
    void LayoutControls(BOOL bFirst) override;
    void OnDestroyContent() override;
    // Alt+F4 on the content must not hide the text while the prompt stays up.
    void OnCancel() override;
};
