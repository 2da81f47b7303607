#pragma once

#include "ui/LayeredFrameDlg.h"

#include <windows.h>

class CKelvaneDlg;

// The tool's main window: the layered shell around the main panel, centred on the screen, with
// the title, the icon and the About entry; closing it asks for feedback and destruction removes
// the tool's folder.
class CVandrellKelvaneDlg : public CLayeredFrameDlg {
public:
    static constexpr UINT IDM_ABOUTBOX = 0x0010;

    explicit CVandrellKelvaneDlg(CWnd* pParent = nullptr);

    CKelvaneDlg* Panel() const;

    HICON m_hIcon;

protected:
    BOOL OnInitDialog() override;
    CFrameContentDlg* NewContent() override;
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void OnDestroy() override;

    void OnSysCommand(UINT nID, LPARAM lParam);
    void OnPaint();
    void OnClose();
    // Runs the problem-solving feedback dialog before the tool closes.
    void ShowProblemSolvingFeedback();
    // Starts the removal of what the tool brought into its folder; always TRUE.
    BOOL RemoveToolFolder();

private:
    // Set by the first close, which ends the tool once the feedback dialog has been answered.
    bool m_bClosing = false;
};
