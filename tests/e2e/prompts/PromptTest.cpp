// The two prompts as a person meets them: shown by a host program the way the tool shows them,
// looked at, clicked, dragged and typed at with real input, at the screen's dpi.
#include "SkinTestSupport.h"

#include "WinTestSupport.h"
#include "res/resource.h"
#include "ui/FrameGeometry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr DWORD kExitMs = 15000;
constexpr DWORD kKeepsRunningMs = 800;

const std::wstring kDefaultWorkingText = L"正在修复，请稍等";
const std::wstring kLongText =
    L"设置任务栏大小成功,设置后需要重启电脑生效,是否重启电脑？请保存好数据，确定要运行吗？"
    L"The new size takes effect after a restart.";

std::wstring Quoted(const std::wstring& text) {
    return L"\"" + text + L"\"";
}

// Where the message prompt's controls stand in its content, by hand from the design values.
// The content follows the centred frame, its insets truncated one by one: 326 × 146 at 96 dpi
// and 408 × 184 at 120 dpi.
struct PromptPlaces {
    int nWidth, nHeight;
    PixelRect close, first, second, centred, text;
};
const PromptPlaces kPlaces96{326,
                             146,
                             {300, 8, 312, 20},
                             {96, 107, 151, 131},
                             {175, 107, 230, 131},
                             {135, 107, 190, 131},
                             {10, 30, 316, 106}};
const PromptPlaces kPlaces120{408,
                              184,
                              {376, 10, 391, 25},
                              {120, 133, 188, 163},
                              {219, 133, 287, 163},
                              {169, 133, 237, 163},
                              {12, 37, 396, 134}};

// The rows of a picture area that hold ink, and the columns.
struct Ink {
    int nTop = -1, nBottom = -1, nLeft = -1, nRight = -1; // inclusive; -1 without ink
    std::vector<int> rows;                                // ink pixel count per row
    bool Any() const { return nTop >= 0; }
    // Runs of inked rows separated by blank ones: the lines of text.
    int Lines() const {
        int nLines = 0;
        bool bIn = false;
        for (int n : rows) {
            if (n > 0 && !bIn) {
                ++nLines;
            }
            bIn = n > 0;
        }
        return nLines;
    }
};

template <class IsInk> Ink FindInk(const UiImage& image, const PixelRect& area, IsInk isInk) {
    Ink ink;
    for (int y = area.top; y < area.bottom; ++y) {
        int nCount = 0;
        for (int x = area.left; x < area.right; ++x) {
            if (!isInk(image.PixelAtScreen({x, y}))) {
                continue;
            }
            ++nCount;
            ink.nLeft = ink.nLeft < 0 ? x : std::min(ink.nLeft, x);
            ink.nRight = std::max(ink.nRight, x);
        }
        ink.rows.push_back(nCount);
        if (nCount > 0) {
            ink.nTop = ink.nTop < 0 ? y : ink.nTop;
            ink.nBottom = y;
        }
    }
    return ink;
}

bool IsDark(COLORREF c) {
    return GetRValue(c) + GetGValue(c) + GetBValue(c) < 3 * 110;
}

// White text on the working prompt's blue.
bool IsLight(COLORREF c) {
    return GetRValue(c) > 190 && GetGValue(c) > 190 && GetBValue(c) > 190;
}

// One host showing one prompt, on a desktop of its own; frame and content found.
class PromptHostTest : public testing::Test {
protected:
    void SetUp() override { places = run.fScale == 1.0f ? &kPlaces96 : &kPlaces120; }
    void TearDown() override {
        if (hCloseEvent != nullptr) {
            CloseHandle(hCloseEvent);
        }
    }

    void Start(const std::wstring& arguments) {
        run.Start(FolderOf(ThisProgram()) + L"\\PromptHost.exe", arguments);
        ui = run.ui.get();
        host = run.process.get();
        ASSERT_TRUE(run.WaitForSkin(Metrics()));
        hFrame = run.window.hFrame;
        hContent = run.window.hContent;
    }
    void StartPrompt(int nType, const std::wstring& text) {
        Start(L"prompt " + std::to_wstring(nType) + L" " + Quoted(text));
    }
    // The working prompt, ended by the host's worker once the test sets the close event.
    void StartWorking(const std::wstring& text) {
        static int nEvent = 0;
        const std::wstring name = L"KelvanePromptClose-" + std::to_wstring(GetCurrentProcessId()) +
                                  L"-" + std::to_wstring(++nEvent);
        hCloseEvent = CreateEventW(nullptr, TRUE, FALSE, name.c_str());
        Start(L"working " + Quoted(text) + L" close-event=" + name);
    }
    virtual const FramePairMetrics& Metrics() const { return kPromptPair; }

    PixelRect FrameRect() const { return ToPixelRect(UiDriver::ScreenRect(hFrame)); }
    PixelRect ContentRect() const { return ToPixelRect(UiDriver::ScreenRect(hContent)); }
    PixelRect InContent(int nId) const {
        return ToPixelRect(UiDriver::RectInDialog(hContent, nId));
    }
    PixelRect OnScreen(int nId) const { return ToPixelRect(UiDriver::ScreenRect(hContent, nId)); }
    // The message's label, less the row it shares with the buttons at some scales (at 120 dpi
    // its bottom is trunc(184 − 50) = 134, the buttons' top trunc(133.75) = 133).
    PixelRect TextArea() const {
        PixelRect rc = OnScreen(IDC_STATIC_PROMPT_TEXT);
        rc.bottom = std::min(rc.bottom, OnScreen(IDC_BUTTON_PROMPT_OK).top);
        return rc;
    }
    std::optional<DWORD> ExitCode() const { return host->WaitForExit(kExitMs); }
    std::wstring Shot(const std::wstring& name) const {
        return Artifact(name + L"-" + std::to_wstring(run.nDpi) + L"dpi.png");
    }
    void Drag(POINT from, int dx, int dy) { run.DragBy(from, dx, dy); }

    SkinSession run{L"KelvanePrompts"};
    UiProcess* host = nullptr;
    UiDriver* ui = nullptr;
    HWND hFrame = nullptr;
    HWND hContent = nullptr;
    HANDLE hCloseEvent = nullptr;
    const float& fScale = run.fScale;
    const PromptPlaces* places = nullptr;
};

using MessagePrompt = PromptHostTest;

class WorkingPrompt : public PromptHostTest {
protected:
    const FramePairMetrics& Metrics() const override { return kExecutePromptPair; }
    PixelRect LabelOnScreen() const { return OnScreen(IDC_STATIC_STATE); }
    // The ink of the status line as the screen shows it now.
    Ink LabelInk(const std::wstring& shot = L"") const {
        const PixelRect label = LabelOnScreen();
        const UiImage image =
            shot.empty()
                ? UiImage::CaptureScreen({label.left, label.top, label.right, label.bottom})
                : UiDriver::Capture(hFrame, shot);
        return FindInk(image, label, IsLight);
    }
};

} // namespace

TEST_F(MessagePrompt, EachTypeShowsExactlyItsButtonsAtTheirPlaces) {
    for (int nType = 1; nType <= 4; ++nType) {
        SCOPED_TRACE("type " + std::to_string(nType));
        StartPrompt(nType, L"请保存好数据，确定要运行吗？");
        if (HasFatalFailure()) {
            return;
        }
        const bool bPair = nType == 2 || nType == 4;
        const RECT client = UiDriver::ClientRectOnScreen(hContent);
        EXPECT_EQ(client.right - client.left, places->nWidth);
        EXPECT_EQ(client.bottom - client.top, places->nHeight);
        EXPECT_TRUE(UiDriver::IsVisible(hContent, IDC_BUTTON_PROMPT_CLOSE));
        EXPECT_TRUE(UiDriver::IsVisible(hContent, IDC_BUTTON_PROMPT_OK));
        EXPECT_EQ(UiDriver::IsVisible(hContent, IDC_BUTTON_PROMPT_CANCEL), bPair);
        EXPECT_EQ(InContent(IDC_BUTTON_PROMPT_CLOSE), places->close);
        EXPECT_EQ(InContent(IDC_BUTTON_PROMPT_OK), bPair ? places->first : places->centred);
        if (bPair) {
            EXPECT_EQ(InContent(IDC_BUTTON_PROMPT_CANCEL), places->second);
        }
        EXPECT_EQ(InContent(IDC_STATIC_PROMPT_TEXT), places->text);
        EXPECT_EQ(ui->Text(hContent, IDC_STATIC_PROMPT_TEXT), L"请保存好数据，确定要运行吗？");
        Sleep(300);
        const UiImage shot =
            UiDriver::Capture(hFrame, Shot(L"prompt-type" + std::to_wstring(nType)));
        // The answer buttons show their artwork, not the white behind them.
        const PixelRect ok = OnScreen(IDC_BUTTON_PROMPT_OK);
        EXPECT_TRUE(FindInk(shot, ok, [](COLORREF c) { return c != RGB(255, 255, 255); }).Any());

        // The close glyph answers no, whatever the type.
        ui->Click(hContent, IDC_BUTTON_PROMPT_CLOSE);
        EXPECT_EQ(ExitCode(), std::optional<DWORD>(IDCANCEL));
    }
}

TEST_F(MessagePrompt, FirstButtonAnswersOneAndSecondTwo) {
    struct Case {
        int nType;
        int nButton;
        DWORD dwAnswer;
    };
    const Case cases[] = {
        {1, IDC_BUTTON_PROMPT_OK, IDOK},         {2, IDC_BUTTON_PROMPT_OK, IDOK},
        {2, IDC_BUTTON_PROMPT_CANCEL, IDCANCEL}, {3, IDC_BUTTON_PROMPT_OK, IDOK},
        {4, IDC_BUTTON_PROMPT_OK, IDOK},         {4, IDC_BUTTON_PROMPT_CANCEL, IDCANCEL}};
    for (const Case& c : cases) {
        SCOPED_TRACE("type " + std::to_string(c.nType) + ", button " + std::to_string(c.nButton));
        StartPrompt(c.nType, L"是否重启电脑？");
        if (HasFatalFailure()) {
            return;
        }
        ui->Click(hContent, c.nButton);
        EXPECT_EQ(ExitCode(), std::optional<DWORD>(c.dwAnswer));
    }
}

TEST_F(MessagePrompt, EscapeAndEnterDoNothing) {
    StartPrompt(4, L"请保存好数据，确定要运行吗？");
    ASSERT_FALSE(HasFatalFailure());
    const PixelRect frame = FrameRect();
    ui->Key(hContent, VK_ESCAPE);
    ui->Key(hContent, VK_RETURN);
    // Bringing the frame forward, as a click on its edge would, hands the focus back to the
    // content, whose keys still do nothing and whose buttons stay within the mouse's reach.
    ui->BringToForeground(hFrame);
    ASSERT_TRUE(UiDriver::WaitFor([&] { return UiDriver::ForegroundWindow() == hContent; },
                                  SkinSession::kSettleMs));
    ui->Key(hContent, VK_ESCAPE);
    ui->Key(hContent, VK_RETURN);
    EXPECT_FALSE(host->WaitForExit(kKeepsRunningMs).has_value());
    EXPECT_TRUE(UiDriver::IsVisible(hContent));
    EXPECT_EQ(FrameRect(), frame);
    ui->Click(hContent, IDC_BUTTON_PROMPT_OK);
    EXPECT_EQ(ExitCode(), std::optional<DWORD>(IDOK));
}

TEST_F(MessagePrompt, BandDragMovesContentAndFrameTogether) {
    StartPrompt(3, L"拖动标题栏");
    ASSERT_FALSE(HasFatalFailure());
    const PixelRect start = ContentRect();
    const POINT grip{start.left + FrameGeometry::Scale(40, fScale),
                     start.top + FrameGeometry::Scale(10, fScale)};
    ASSERT_EQ(UiDriver::WindowAt(grip), hContent) << UiDriverError::Utf8(ui->Describe());
    Drag(grip, 60, 40);
    const PixelRect once = ContentRect();
    EXPECT_EQ(once.left, start.left + 60);
    EXPECT_EQ(once.top, start.top + 40);
    EXPECT_EQ(FrameRect(), FrameGeometry::FrameAroundContent(kPromptPair, once, fScale));

    Drag({grip.x + 60, grip.y + 40}, -30, 25);
    const PixelRect twice = ContentRect();
    EXPECT_EQ(twice.left, once.left - 30);
    EXPECT_EQ(twice.top, once.top + 25);
    EXPECT_EQ(FrameRect(), FrameGeometry::FrameAroundContent(kPromptPair, twice, fScale));

    // The band's right end beside the close glyph belongs to the glyph: it does not drag.
    const POINT corner{twice.right - FrameGeometry::Scale(6, fScale),
                       twice.top + FrameGeometry::Scale(4, fScale)};
    Drag(corner, -50, 50);
    EXPECT_EQ(ContentRect(), twice);
    // Below the band neither.
    Drag({twice.left + FrameGeometry::Scale(40, fScale),
          twice.top + FrameGeometry::Scale(60, fScale)},
         50, 30);
    EXPECT_EQ(ContentRect(), twice);
    EXPECT_TRUE(host->IsRunning()) << "no drag answered the prompt";
    ui->Click(hContent, IDC_BUTTON_PROMPT_OK);
    EXPECT_EQ(ExitCode(), std::optional<DWORD>(IDOK));
}

TEST_F(MessagePrompt, LongTextWrapsAndStaysCentredVertically) {
    for (const std::wstring& text : {kLongText, std::wstring(L"设置任务栏大小失败")}) {
        const bool bLong = text == kLongText;
        StartPrompt(3, text);
        if (HasFatalFailure()) {
            return;
        }
        Sleep(300);
        const UiImage shot =
            UiDriver::Capture(hFrame, Shot(bLong ? L"prompt-long-text" : L"prompt-short-text"));
        const PixelRect label = TextArea();
        const Ink ink = FindInk(shot, label, IsDark);
        ASSERT_TRUE(ink.Any());
        if (bLong) {
            EXPECT_GE(ink.Lines(), 2);
        } else {
            EXPECT_EQ(ink.Lines(), 1);
        }
        // Equal room above and below the ink, give or take what the font leaves below its
        // glyphs and one pixel of integer halving.
        const int nAbove = ink.nTop - label.top;
        const int nBelow = label.bottom - 1 - ink.nBottom;
        EXPECT_LE(std::abs(nAbove - nBelow), FrameGeometry::Scale(6, fScale))
            << "above " << nAbove << ", below " << nBelow;
        // Left-aligned: the ink starts at the label's left edge.
        EXPECT_LE(ink.nLeft - label.left, FrameGeometry::Scale(3, fScale));
        ui->Click(hContent, IDC_BUTTON_PROMPT_OK);
        EXPECT_EQ(ExitCode(), std::optional<DWORD>(IDOK));
    }
}

TEST_F(MessagePrompt, EmptyTextShowsThePanelWithItsButtons) {
    StartPrompt(4, L"");
    ASSERT_FALSE(HasFatalFailure());
    Sleep(300);
    const UiImage shot = UiDriver::Capture(hFrame, Shot(L"prompt-empty-text"));
    EXPECT_FALSE(FindInk(shot, TextArea(), IsDark).Any());
    EXPECT_TRUE(UiDriver::IsVisible(hContent, IDC_BUTTON_PROMPT_OK));
    EXPECT_TRUE(UiDriver::IsVisible(hContent, IDC_BUTTON_PROMPT_CANCEL));
    ui->Click(hContent, IDC_BUTTON_PROMPT_CANCEL);
    EXPECT_EQ(ExitCode(), std::optional<DWORD>(IDCANCEL));
}

TEST_F(WorkingPrompt, ShortTextsGiveWayToTheStockText) {
    struct Case {
        std::wstring strGiven, strShown;
    };
    const Case cases[] = {{L"", kDefaultWorkingText},
                          {L"x", kDefaultWorkingText},
                          {L"设置", L"设置"},
                          {L"正在设置，请稍等", L"正在设置，请稍等"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(UiDriverError::Utf8(L"given \"" + c.strGiven + L"\""));
        StartWorking(c.strGiven);
        if (HasFatalFailure()) {
            return;
        }
        EXPECT_EQ(ui->Text(hContent, IDC_STATIC_STATE), c.strShown);
        EXPECT_EQ(InContent(IDC_STATIC_STATE),
                  fScale == 1.0f ? (PixelRect{10, 32, 194, 72}) : (PixelRect{12, 40, 243, 90}));
        SetEvent(hCloseEvent);
        EXPECT_EQ(ExitCode(), std::optional<DWORD>(IDOK));
        CloseHandle(hCloseEvent);
        hCloseEvent = nullptr;
    }
}

TEST_F(WorkingPrompt, DotsCycleUntilAnotherThreadClosesIt) {
    StartWorking(L"正在设置，请稍等");
    ASSERT_FALSE(HasFatalFailure());
    // About once a second, as a person would glance at it: the width of the white ink grows by
    // a dot three times, then falls back to the bare text.
    ASSERT_TRUE(UiDriver::WaitFor([&] { return LabelInk().Any(); }, SkinSession::kSettleMs));
    LabelInk(Shot(L"working"));
    std::vector<int> widths;
    int nBlank = 0;
    for (int i = 0; i < 24 && host->IsRunning(); ++i) {
        const Ink ink = LabelInk();
        if (!ink.Any()) {
            // Caught while the window was being shown again (activation moving under load).
            ++nBlank;
            Sleep(250);
            continue;
        }
        const int nWidth = ink.nRight - ink.nLeft;
        if (widths.empty() || widths.back() != nWidth) {
            widths.push_back(nWidth);
        }
        Sleep(250);
    }
    EXPECT_LE(nBlank, 4);
    ASSERT_GE(widths.size(), 5u) << "the dots did not move";
    // Somewhere in the samples a rise through three steps and a fall back.
    bool bCycle = false;
    for (std::size_t i = 0; i + 4 < widths.size() && !bCycle; ++i) {
        bCycle = widths[i] < widths[i + 1] && widths[i + 1] < widths[i + 2] &&
                 widths[i + 2] < widths[i + 3] && widths[i + 4] == widths[i];
    }
    EXPECT_TRUE(bCycle);

    // The worker's message, forwarded by the owner, ends it with IDOK; nothing is left to show
    // another dot.
    SetEvent(hCloseEvent);
    EXPECT_TRUE(ui->WaitForGone(hFrame, kExitMs));
    EXPECT_EQ(ExitCode(), std::optional<DWORD>(IDOK));
    EXPECT_TRUE(ui->Windows(true).empty());
}

TEST_F(WorkingPrompt, ClicksDragsAndKeysDoNothing) {
    StartWorking(L"正在设置，请稍等");
    ASSERT_FALSE(HasFatalFailure());
    Sleep(300);
    UiDriver::Capture(hFrame, Shot(L"working-before-input"));
    const PixelRect frame = FrameRect();
    const PixelRect content = ContentRect();
    ui->Click({(content.left + content.right) / 2, (content.top + content.bottom) / 2});
    Drag({content.left + 20, content.top + 8}, 60, 40);
    Drag({(content.left + content.right) / 2, content.bottom - 10}, -40, -30);
    ui->BringToForeground(hFrame);
    ASSERT_TRUE(UiDriver::WaitFor([&] { return UiDriver::ForegroundWindow() == hContent; },
                                  SkinSession::kSettleMs));
    for (WORD vk : {VK_ESCAPE, VK_RETURN}) {
        ui->Key(hContent, vk);
    }
    EXPECT_FALSE(host->WaitForExit(kKeepsRunningMs).has_value());
    EXPECT_EQ(FrameRect(), frame);
    EXPECT_EQ(ContentRect(), content);
    EXPECT_TRUE(UiDriver::IsVisible(hContent, IDC_STATIC_STATE));
    SetEvent(hCloseEvent);
    EXPECT_EQ(ExitCode(), std::optional<DWORD>(IDOK));
}
