// Shows the skin's frame and content pairs with their artwork at the screen's dpi, for the
// end-to-end tests and for looking at. Never shipped.
//   KelvaneGallery.exe [shell] [prompt] [working] [feedback]   (none named: all four)
// Closing any frame ends the gallery.
#include "resource.h"
#include "ui/FrameContentDlg.h"
#include "ui/LayeredFrameDlg.h"

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
};

const GalleryPair kPairs[] = {
    {L"shell", IDD_VANDRELLKELVANE_DIALOG, 148, IDD_KELVANE_DIALOG, 149, kShellPair, {20, 20}},
    {L"prompt", IDD_PROMPT, 169, IDD_PROMPT_CHILD, 170, kPromptPair, {450, 20}},
    {L"working",
     IDD_EXECUTE_PROMPT,
     155,
     IDD_EXECUTE_PROMPT_CHILD,
     156,
     kExecutePromptPair,
     {450, 200}},
    {L"feedback", IDD_FEEDBACK, 186, IDD_FEEDBACK_CHILD, 187, kFeedbackPair, {800, 20}},
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
    explicit GalleryFrame(const GalleryPair& pair)
        : CLayeredFrameDlg(pair.nFrameTemplate, pair.metrics, pair.nFramePng), m_pair(pair) {}

protected:
    CFrameContentDlg* NewContent() override { return new GalleryContent(m_pair); }
    void PrepareGraphics(Gdiplus::Graphics& graphics) override {
        if (&m_pair.metrics == &kExecutePromptPair) {
            graphics.SetSmoothingMode(Gdiplus::SmoothingModeHighQuality);
        }
    }
    void OnCancel() override { PostQuitMessage(0); }

private:
    const GalleryPair& m_pair;
};

float ScreenScale() {
    HDC hDC = GetDC(nullptr);
    const int nDpi = GetDeviceCaps(hDC, LOGPIXELSY);
    ReleaseDC(nullptr, hDC);
    return FrameGeometry::ScaleForDpi(nDpi);
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    Gdiplus::GdiplusStartup(&token, &input, nullptr);
    {
        const float fScale = ScreenScale();
        std::vector<std::wstring> wanted;
        for (int i = 1; i < __argc; ++i) {
            wanted.emplace_back(__wargv[i]);
        }
        std::vector<std::unique_ptr<GalleryFrame>> frames;
        for (const GalleryPair& pair : kPairs) {
            if (!wanted.empty() &&
                std::find(wanted.begin(), wanted.end(), std::wstring(pair.name)) == wanted.end()) {
                continue;
            }
            auto frame = std::make_unique<GalleryFrame>(pair);
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
    Gdiplus::GdiplusShutdown(token);
    return 0;
}
