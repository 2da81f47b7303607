#pragma once

#include "service/FeedbackDll.h"
#include "ui/LayeredFrameDlg.h"

// Asked when the tool closes: did it solve the user's problem? A skinned modal window with its
// own scale; the answer goes to the feedback library.
class CProblemSolvingFeedbackDlg : public CLayeredFrameDlg {
public:
    explicit CProblemSolvingFeedbackDlg(CWnd* pParent = nullptr);

    void SetFeedbackDll(CFeedbackDll* pFeedbackDll) { m_pFeedbackDll = pFeedbackDll; }
    void SetFeedbackInfo(BSTR* pFeedbackInfo) { m_pFeedbackInfo = pFeedbackInfo; }
    void SetDeviceType(int nDeviceType) { m_nDeviceType = nDeviceType; }

    CFeedbackDll* m_pFeedbackDll = nullptr;
    BSTR* m_pFeedbackInfo = nullptr;
    int m_nDeviceType = 0;

protected:
    BOOL OnInitDialog() override;
    CFrameContentDlg* NewContent() override;
};
