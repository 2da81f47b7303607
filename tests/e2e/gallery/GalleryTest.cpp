// The skin's frame and content pairs, shown by the gallery and worked with real mouse and keys.
#include "SkinTestSupport.h"

#include "WinTestSupport.h"
#include "ui/FrameGeometry.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

struct Pair {
    const wchar_t* name;
    const FramePairMetrics& metrics;
};
const Pair kPairs[] = {{L"shell", kShellPair},
                       {L"prompt", kPromptPair},
                       {L"working", kExecutePromptPair},
                       {L"feedback", kFeedbackPair}};

void PrintTo(const Pair& pair, std::ostream* os) {
    *os << (pair.metrics.nFrameWidth) << "x" << pair.metrics.nFrameHeight;
}

// One gallery showing one pair, on a desktop of its own.
class GalleryPair : public testing::TestWithParam<Pair> {
protected:
    void SetUp() override {
        // A new desktop is drawn by Wine's desktop process a moment after it is made; until
        // then the screen reads black.
        UiDriver::WaitFor(
            [&] {
                before = std::make_unique<UiImage>(UiImage::CaptureScreen(
                    {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}));
                return before->Pixel(0, 0) != 0;
            },
            SkinSession::kStartMs);
        run.Start(BuiltProgram(L"KelvaneGallery.exe"), GetParam().name);
        ASSERT_TRUE(run.WaitForSkin(Metrics()));
        // The gallery moves each frame into place after creating it.
        ASSERT_TRUE(UiDriver::WaitFor([&] { return FrameRect().left != 0; }, run.kSettleMs));
        ASSERT_TRUE(run.WaitForSkin(Metrics()));
        hFrame = run.window.hFrame;
        hContent = run.window.hContent;
        ui = run.ui.get();
        fScale = run.fScale;
    }

    PixelRect FrameRect() const { return run.FrameRect(); }
    PixelRect ContentRect() const { return run.ContentRect(); }
    const FramePairMetrics& Metrics() const { return GetParam().metrics; }
    void DragBy(POINT from, int dx, int dy) { run.DragBy(from, dx, dy); }

    SkinSession run{L"KelvaneGallery"};
    std::unique_ptr<UiImage> before;
    UiDriver* ui = nullptr;
    HWND hFrame = nullptr;
    HWND hContent = nullptr;
    float fScale = 1.0f;
};

} // namespace

TEST_P(GalleryPair, FrameShowsItsImageWithTransparentMarginsAndCarriesTheContent) {
    const PixelRect frame = FrameRect();
    EXPECT_EQ(frame, FrameGeometry::FrameRect(Metrics(), frame.left, frame.top, fScale));
    // Moved into place after creation, the content follows the frame.
    EXPECT_EQ(ContentRect(), FrameGeometry::FollowRect(Metrics(), frame, fScale));
    EXPECT_TRUE(UiDriver::IsVisible(hContent));

    Sleep(500);
    const UiImage shot = run.Shot(hFrame, std::wstring(L"gallery-") + GetParam().name);
    // The frame's very corner is transparent: the desktop shows through unchanged.
    const POINT corner{frame.left, frame.top};
    EXPECT_EQ(shot.PixelAtScreen(corner), before->PixelAtScreen(corner));
    // Its content's middle is painted over whatever was there.
    const PixelRect content = ContentRect();
    const POINT middle{(content.left + content.right) / 2, content.top + 2};
    EXPECT_NE(shot.PixelAtScreen(middle), before->PixelAtScreen(middle));
}

TEST_P(GalleryPair, BandDragsTheContentAndTheFrameFollowsUntilItLeads) {
    const PixelRect start = ContentRect();
    const POINT grip{start.left + FrameGeometry::Scale(40, fScale),
                     start.top + FrameGeometry::Scale(10, fScale)};
    // The mouse reaches the content, not the frame around it.
    ASSERT_TRUE(
        UiDriver::WaitFor([&] { return UiDriver::WindowAt(grip) == hContent; }, run.kSettleMs))
        << run.Describe();
    DragBy(grip, 60, 40);
    if (Metrics().nCaptionHeight == 0) {
        EXPECT_EQ(ContentRect(), start) << "this content cannot be dragged";
        return;
    }
    const PixelRect once = ContentRect();
    EXPECT_EQ(once.left, start.left + 60);
    EXPECT_EQ(once.top, start.top + 40);
    EXPECT_EQ(FrameRect(), FrameGeometry::FrameAroundContent(Metrics(), once, fScale));

    DragBy({grip.x + 60, grip.y + 40}, -30, 25);
    const PixelRect twice = ContentRect();
    EXPECT_EQ(twice.left, once.left - 30);
    EXPECT_EQ(twice.top, once.top + 25);
    EXPECT_EQ(FrameRect(), FrameGeometry::FrameAroundContent(Metrics(), twice, fScale));

    // Moving the frame by other means no longer moves the content.
    SetWindowPos(hFrame, nullptr, 15, 15, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Sleep(300);
    EXPECT_EQ(ContentRect(), twice);
}

TEST_P(GalleryPair, ButtonCornerOfTheBandDoesNotDrag) {
    if (Metrics().nCaptionExcluded == 0) {
        GTEST_SKIP() << "no corner excluded";
    }
    const PixelRect start = ContentRect();
    const int nInset = FrameGeometry::Scale(Metrics().nCaptionExcluded, fScale) / 2;
    const POINT corner{start.right - nInset, start.top + FrameGeometry::Scale(10, fScale)};
    // Otherwise the press would prove nothing: it lands on the content or a control of it.
    ASSERT_TRUE(UiDriver::WaitFor([&] { return Reaches(hContent, corner); }, run.kSettleMs));
    DragBy(corner, 50, 50);
    EXPECT_EQ(ContentRect(), start);
}

TEST_P(GalleryPair, ActivatingTheFrameKeepsTheContentInReach) {
    // As a click on the frame's visible edge or a switch back to the window would; the
    // content takes the activation back.
    ui->BringToForeground(hFrame);
    EXPECT_TRUE(
        UiDriver::WaitFor([&] { return UiDriver::ForegroundWindow() == hContent; }, run.kSettleMs));
    const PixelRect content = ContentRect();
    const POINT inside{content.left + 2, content.top + 2};
    EXPECT_TRUE(UiDriver::WaitFor([&] { return Reaches(hContent, inside); }, run.kSettleMs));
    EXPECT_TRUE(UiDriver::IsVisible(hContent));
}

TEST_P(GalleryPair, EscapeAndEnterChangeNothing) {
    const PixelRect frame = FrameRect();
    for (WORD vk : {VK_ESCAPE, VK_RETURN}) {
        ui->Key(hContent, vk);
    }
    Sleep(500);
    EXPECT_TRUE(IsWindow(hFrame) && UiDriver::IsVisible(hContent));
    EXPECT_EQ(FrameRect(), frame);
    EXPECT_TRUE(run.process->IsRunning());
}

INSTANTIATE_TEST_SUITE_P(Skin, GalleryPair, testing::ValuesIn(kPairs), [](const auto& param) {
    std::string name;
    for (const wchar_t* p = param.param.name; *p; ++p) {
        name += static_cast<char>(*p);
    }
    return name;
});
