// Shows the skin's frame and content pairs with their artwork at the screen's dpi, for the
// end-to-end tests and for looking at. Never shipped.
//   KelvaneGallery.exe [shell] [prompt] [working] [feedback] [controls] [--journal=PATH]
// None named: the first four. "controls" is the main panel's frame and template holding every
// skinned control, configured as the panel does, with these additions for tests:
//  - the large button 1018 has margins of 12 design pixels; the small one 1020 starts disabled
//    and each click on the medium one 1019 toggles it with EnableButton from a worker thread;
//  - the title 1013 is a status label animating its dots; the links 1015 and 1016 switch
//    colour on hover (1015 from a 100 ms cursor timer, 1016 from the page's mouse moves);
//  - the close button 1011 ends the gallery.
// With --journal the page appends UTF-8 lines (CRLF) to PATH:
//   clicked <id>                        a BN_CLICKED of the buttons 1011, 1012
//   clicked <id> inside=<0|1>           of 1018, 1019, 1020, 1014, with IsCursorInside
//   clicked 1010 check=<0|1|2>          of the check box, with its state after the click
//   enabled 1020 <0|1>                  the worker's EnableButton has returned
//   paints <id> <count> hover=<0|1>     a link's WM_PAINT count changed (checked every 250 ms)
// Closing any frame ends the gallery.
#include "ControlsContent.h"
#include "GdiplusSession.h"
#include "resource.h"
#include "ui/FrameContentDlg.h"
#include "ui/LayeredFrameDlg.h"
#include "ui/ScreenScale.h"

#include <commctrl.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

struct GalleryPair {
    const wchar_t* name;
    UINT nFrameTemplate;
    UINT nFramePng;
    UINT nContentTemplate;
    UINT nContentPng;
    const FramePairMetrics& metrics;
    POINT position; // design pixels, scaled like everything else
    bool bControls;
};

const GalleryPair kPairs[] = {
    {L"shell",
     IDD_VANDRELLKELVANE_DIALOG,
     148,
     IDD_KELVANE_DIALOG,
     149,
     kShellPair,
     {20, 20},
     false},
    {L"prompt", IDD_PROMPT, 169, IDD_PROMPT_CHILD, 170, kPromptPair, {450, 20}, false},
    {L"working",
     IDD_EXECUTE_PROMPT,
     155,
     IDD_EXECUTE_PROMPT_CHILD,
     156,
     kExecutePromptPair,
     {450, 200},
     false},
    {L"feedback", IDD_FEEDBACK, 186, IDD_FEEDBACK_CHILD, 187, kFeedbackPair, {800, 20}, false},
    {L"controls",
     IDD_VANDRELLKELVANE_DIALOG,
     148,
     IDD_KELVANE_DIALOG,
     149,
     kShellPair,
     {20, 20},
     true},
};

class GalleryContent : public CFrameContentDlg {
public:
    explicit GalleryContent(const GalleryPair& pair)
        : CFrameContentDlg(pair.nContentTemplate, pair.metrics, pair.nContentPng) {
        m_bBufferedBackground = &pair.metrics == &kExecutePromptPair;
    }
};

class GalleryFrame : public CLayeredFrameDlg {
public:
    GalleryFrame(const GalleryPair& pair, const std::wstring& journal)
        : CLayeredFrameDlg(pair.nFrameTemplate, pair.metrics, pair.nFramePng), m_pair(pair),
          m_journal(journal) {}

protected:
    CFrameContentDlg* NewContent() override {
        if (m_pair.bControls) {
            return new ControlsContent(m_journal);
        }
        return new GalleryContent(m_pair);
    }
    void PrepareGraphics(Gdiplus::Graphics& graphics) override {
        if (&m_pair.metrics == &kExecutePromptPair) {
            graphics.SetSmoothingMode(Gdiplus::SmoothingModeHighQuality);
        }
    }
    void OnCancel() override { PostQuitMessage(0); }

private:
    const GalleryPair& m_pair;
    std::wstring m_journal;
};

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    const GdiplusSession gdiplus;
    {
        const float fScale = ScreenScaleFactor();
        std::vector<std::wstring> wanted;
        std::wstring journal;
        const std::wstring journalOption = L"--journal=";
        for (int i = 1; i < __argc; ++i) {
            const std::wstring argument = __wargv[i];
            if (argument.rfind(journalOption, 0) == 0) {
                journal = argument.substr(journalOption.size());
            } else {
                wanted.emplace_back(argument);
            }
        }
        std::vector<std::unique_ptr<GalleryFrame>> frames;
        for (const GalleryPair& pair : kPairs) {
            const bool bNamed =
                std::find(wanted.begin(), wanted.end(), std::wstring(pair.name)) != wanted.end();
            if (wanted.empty() ? pair.bControls : !bNamed) {
                continue;
            }
            auto frame = std::make_unique<GalleryFrame>(pair, journal);
            frame->m_fScale = fScale;
            if (frame->Create(nullptr)) {
                SetWindowPos(frame->m_hWnd, nullptr, FrameGeometry::Scale(pair.position.x, fScale),
                             FrameGeometry::Scale(pair.position.y, fScale), 0, 0,
                             SWP_NOSIZE | SWP_NOZORDER);
                frame->ShowWindow(SW_SHOW);
                frames.push_back(std::move(frame));
            }
        }
        MSG msg;
        while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        for (auto& frame : frames) {
            if (frame->m_hWnd != nullptr) {
                DestroyWindow(frame->m_hWnd);
            }
        }
    }
    return 0;
}
