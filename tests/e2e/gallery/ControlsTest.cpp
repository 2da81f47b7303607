// The gallery's controls page worked with the real mouse: the image buttons, the check box and
// the labels, judged by what the screen shows and by the page's journal of notifications.
#include "SkinTestSupport.h"

#include "WinTestSupport.h"
#include "WindowKit.h"
#include "resource.h"
#include "ui/FrameGeometry.h"

#include <objidl.h>

#include <gdiplus.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr DWORD kReactMs = 5000;
constexpr int kLargeMargin = 12; // the page's margins of 1018, design pixels

std::wstring Environment(const wchar_t* pName) {
    wchar_t value[MAX_PATH] = {};
    const DWORD n = GetEnvironmentVariableW(pName, value, MAX_PATH);
    return n > 0 && n < MAX_PATH ? std::wstring(value) : std::wstring();
}

int Difference(COLORREF a, COLORREF b) {
    return std::abs(GetRValue(a) - GetRValue(b)) + std::abs(GetGValue(a) - GetGValue(b)) +
           std::abs(GetBValue(a) - GetBValue(b));
}

// The colour at design point (x, y) of each artwork, in the order given.
std::vector<COLORREF> ArtColours(std::initializer_list<UINT> ids, int x, int y) {
    std::vector<COLORREF> colours;
    for (UINT nId : ids) {
        const std::wstring path =
            Environment(L"KELVANE_ART_DIR") + L"\\" + std::to_wstring(nId) + L".png";
        Gdiplus::Bitmap bitmap(path.c_str());
        Gdiplus::Color colour;
        EXPECT_EQ(bitmap.GetPixel(x, y, &colour), Gdiplus::Ok) << nId;
        colours.push_back(RGB(colour.GetR(), colour.GetG(), colour.GetB()));
    }
    return colours;
}

// Which of the candidates the colour is closest to.
int Closest(COLORREF colour, const std::vector<COLORREF>& candidates) {
    int nBest = -1;
    int best = 1 << 30;
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        const int d = Difference(colour, candidates[i]);
        if (d < best) {
            best = d;
            nBest = static_cast<int>(i);
        }
    }
    return nBest;
}

COLORREF ScreenPixel(POINT pt) {
    return UiImage::CaptureScreen({pt.x, pt.y, pt.x + 1, pt.y + 1}).Pixel(0, 0);
}

// A control of the page, and where on it an image's state shows clearly.
struct Probe {
    int nId;
    POINT design; // in the control, design pixels
    std::vector<COLORREF> states;
};

enum { kNormal = 0, kHover = 1, kPressed = 2, kDisabled = 3 };

class ControlsPage : public testing::Test {
protected:
    void SetUp() override {
        journal = folder.File(L"journal.txt");
        run.Start(BuiltProgram(L"KelvaneGallery.exe"), L"controls \"--journal=" + journal + L"\"");
        ui = run.ui.get();
        fScale = run.fScale;
        nDpi = run.nDpi;
        ASSERT_TRUE(UiDriver::WaitFor(
            [&] {
                for (HWND hWnd : ui->Windows()) {
                    if (UiDriver::Owner(hWnd) != nullptr &&
                        UiDriver::FindControl(hWnd, IDC_CHECK_AGREE) != nullptr) {
                        hContent = hWnd;
                    }
                }
                return hContent != nullptr;
            },
            run.kStartMs))
            << run.Describe();
        // Laid out for the final size and painted: the links report their first paint.
        ASSERT_TRUE(WaitForJournal("paints 1016 "));
        Rest();
    }

    int S(int nValue) const { return FrameGeometry::Scale(nValue, fScale); }
    RECT Rect(int nId) const { return UiDriver::ScreenRect(hContent, nId); }
    POINT At(int nId, POINT design) const {
        const RECT rc = Rect(nId);
        return {rc.left + S(design.x), rc.top + S(design.y)};
    }
    POINT Centre(int nId) const {
        const RECT rc = Rect(nId);
        return {(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
    }
    // An empty part of the page, over no control.
    POINT Rest() const {
        const RECT rc = UiDriver::ScreenRect(hContent);
        const POINT pt{rc.left + S(200), rc.top + S(470)};
        ui->MoveTo(pt);
        return pt;
    }

    int StateOf(const Probe& probe) const {
        return Closest(ScreenPixel(At(probe.nId, probe.design)), probe.states);
    }
    bool WaitForState(const Probe& probe, int nState, DWORD ms = kReactMs) const {
        return UiDriver::WaitFor([&] { return StateOf(probe) == nState; }, ms);
    }

    std::string Journal() const { return ReadBytes(journal); }
    bool WaitForJournal(const std::string& text, DWORD ms = kReactMs) const {
        return UiDriver::WaitFor([&] { return Journal().find(text) != std::string::npos; }, ms);
    }
    // The last "paints <id> …" line of the journal.
    std::string LastPaints(int nId) const {
        const std::string all = Journal();
        const std::string key = "paints " + std::to_string(nId) + " ";
        const std::size_t at = all.rfind(key);
        return at == std::string::npos ? std::string() : all.substr(at, all.find('\r', at) - at);
    }

    void Save(const std::wstring& what) {
        UiDriver::Capture(
            hContent, Artifact(L"controls-" + std::to_wstring(nDpi) + L"dpi-" + what + L".png"));
    }

    GdiplusSession gdiplus;
    TempFolder folder;
    std::wstring journal;
    SkinSession run{L"KelvaneControls"};
    UiDriver* ui = nullptr;
    HWND hContent = nullptr;
    float fScale = 1.0f;
    int nDpi = 96;
};

} // namespace

TEST_F(ControlsPage, ButtonsShowHoverPressedHoverAndNormalAsThePointerComesAndGoes) {
    Save(L"start");
    const Probe minimize{IDC_BUTTON_MINIMIZE, {3, 3}, ArtColours({157, 158, 159, 160}, 3, 3)};
    const Probe more{IDC_BUTTON_MORE_TOOLS, {3, 3}, ArtColours({165, 166, 167, 168}, 3, 3)};
    for (const Probe& probe : {minimize, more}) {
        SCOPED_TRACE(probe.nId);
        ASSERT_TRUE(WaitForState(probe, kNormal));
        const POINT centre = Centre(probe.nId);
        ui->MoveTo(centre);
        EXPECT_TRUE(WaitForState(probe, kHover)) << "hover after entering";
        ui->MouseDown(centre);
        EXPECT_TRUE(WaitForState(probe, kPressed)) << "pressed while the button is down";
        if (probe.nId == IDC_BUTTON_MORE_TOOLS) {
            Save(L"pressed");
        }
        ui->MouseUp();
        EXPECT_TRUE(WaitForState(probe, kHover)) << "hover again after the release";
        EXPECT_TRUE(WaitForJournal("clicked " + std::to_string(probe.nId)));
        if (probe.nId == IDC_BUTTON_MORE_TOOLS) {
            Save(L"hover");
        }
        Rest();
        EXPECT_TRUE(WaitForState(probe, kNormal)) << "normal once the pointer has left";
    }
}

TEST_F(ControlsPage, PressInTheMarginShowsPressedButTheClickIsNotInside) {
    const Probe large{IDC_BUTTON_LARGE, {8, 10}, ArtColours({206, 207, 208, 209}, 8, 10)};
    ASSERT_TRUE(WaitForState(large, kNormal));
    // Inside the button, inside the margin of 12.
    const POINT margin = At(IDC_BUTTON_LARGE, {kLargeMargin / 2, kLargeMargin / 2});
    ui->MouseDown(margin);
    EXPECT_TRUE(WaitForState(large, kPressed));
    ui->MouseUp();
    EXPECT_TRUE(WaitForJournal("clicked 1018 inside=0")) << Journal();
    ui->Click(Centre(IDC_BUTTON_LARGE));
    EXPECT_TRUE(WaitForJournal("clicked 1018 inside=1")) << Journal();
    Rest();
}

TEST_F(ControlsPage, DisabledButtonIgnoresThePointerUntilAWorkerEnablesIt) {
    const Probe small{IDC_BUTTON_SMALL, {8, 10}, ArtColours({214, 215, 216, 217}, 8, 10)};
    ASSERT_TRUE(WaitForState(small, kDisabled));
    const POINT centre = Centre(IDC_BUTTON_SMALL);
    ui->MoveTo(centre);
    Sleep(600);
    EXPECT_EQ(StateOf(small), kDisabled) << "no hover";
    ui->MouseDown(centre);
    Sleep(400);
    EXPECT_EQ(StateOf(small), kDisabled) << "no press";
    ui->MouseUp();
    Save(L"disabled");

    // The medium button enables it from a worker thread; the screen follows without help.
    ui->Click(Centre(IDC_BUTTON_MEDIUM));
    EXPECT_TRUE(WaitForJournal("enabled 1020 1")) << Journal();
    Rest();
    EXPECT_TRUE(WaitForState(small, kNormal));
    EXPECT_EQ(Journal().find("clicked 1020"), std::string::npos) << "the disabled click counted";
    ui->MoveTo(centre);
    EXPECT_TRUE(WaitForState(small, kHover));
    ui->Click(centre);
    EXPECT_TRUE(WaitForJournal("clicked 1020 inside=1")) << Journal();

    ui->Click(Centre(IDC_BUTTON_MEDIUM));
    EXPECT_TRUE(WaitForJournal("enabled 1020 0")) << Journal();
    Rest();
    EXPECT_TRUE(WaitForState(small, kDisabled));
}

TEST_F(ControlsPage, CheckBoxTogglesOnClickAndTellsThePage) {
    // Cells of PNG 150: the empty box (x 0) and the ticked one (x 16), at (3, 3) of the glyph.
    const std::vector<COLORREF> cells = ArtColours({150, 150}, 3, 3);
    const std::vector<COLORREF> tick = ArtColours({150}, 16 + 3, 3);
    const std::vector<COLORREF> glyphs = {cells[0], tick[0]};
    const RECT rc = Rect(IDC_CHECK_AGREE);
    // Glyph at the left edge, centred on the control's middle, trunc(16 × s) square.
    const int nGlyphTop = rc.top + (rc.bottom - rc.top) / 2 - S(8);
    const POINT probe{rc.left + S(3), nGlyphTop + S(3)};
    ASSERT_EQ(Closest(ScreenPixel(probe), glyphs), 1) << "the page starts it ticked";
    for (int nClick = 1; nClick <= 2; ++nClick) {
        SCOPED_TRACE(nClick);
        ui->Click(Centre(IDC_CHECK_AGREE));
        const int nCheck = nClick % 2 == 1 ? 0 : 1;
        EXPECT_TRUE(WaitForJournal("clicked 1010 check=" + std::to_string(nCheck))) << Journal();
        Rest();
        EXPECT_TRUE(UiDriver::WaitFor([&] { return Closest(ScreenPixel(probe), glyphs) == nCheck; },
                                      kReactMs));
        if (nClick == 1) {
            Save(L"unchecked");
        }
    }
}

TEST_F(ControlsPage, LinkTurnsItsHoverColourAndRepaintsOnlyOnChange) {
    const RECT link = Rect(IDC_STATIC_AGREEMENT);
    // Counts the pixels of exactly one colour in the label.
    const auto count = [&](COLORREF colour) {
        const UiImage image = UiImage::CaptureScreen(link);
        int n = 0;
        for (int y = 0; y < image.Height(); ++y) {
            for (int x = 0; x < image.Width(); ++x) {
                n += image.Pixel(x, y) == colour ? 1 : 0;
            }
        }
        return n;
    };
    const COLORREF normal = RGB(92, 92, 255), hover = RGB(0, 0, 255);
    ASSERT_TRUE(UiDriver::WaitFor([&] { return count(normal) > 0; }, kReactMs));
    EXPECT_EQ(count(hover), 0);

    ui->MoveTo({link.left + 10, (link.top + link.bottom) / 2});
    ASSERT_TRUE(UiDriver::WaitFor(
        [&] { return LastPaints(IDC_STATIC_AGREEMENT).find("hover=1") != std::string::npos; },
        kReactMs))
        << Journal();
    EXPECT_TRUE(
        UiDriver::WaitFor([&] { return count(hover) > 0 && count(normal) == 0; }, kReactMs));
    Save(L"link-hover");
    const std::string hovered = LastPaints(IDC_STATIC_AGREEMENT);
    // Moving within the label changes nothing, so nothing is painted.
    ui->MoveTo({link.left + 30, (link.top + link.bottom) / 2});
    ui->MoveTo({link.left + 50, link.top + 2});
    Sleep(800);
    EXPECT_EQ(LastPaints(IDC_STATIC_AGREEMENT), hovered);

    Rest();
    ASSERT_TRUE(UiDriver::WaitFor(
        [&] { return LastPaints(IDC_STATIC_AGREEMENT).find("hover=0") != std::string::npos; },
        kReactMs));
    EXPECT_TRUE(
        UiDriver::WaitFor([&] { return count(normal) > 0 && count(hover) == 0; }, kReactMs));
    // Leaving is a change again, and repaints.
    const auto paints = [](const std::string& line) {
        return std::atoi(line.substr(std::string("paints 1015 ").size()).c_str());
    };
    EXPECT_GT(paints(LastPaints(IDC_STATIC_AGREEMENT)), paints(hovered));
}

TEST_F(ControlsPage, StatusLabelAnimatesItsDots) {
    const RECT title = Rect(IDC_STATIC_TITLE);
    const UiImage first = UiImage::CaptureScreen(title);
    EXPECT_TRUE(
        UiDriver::WaitFor([&] { return !UiImage::CaptureScreen(title).SamePixels(first); }, 3000));
}
