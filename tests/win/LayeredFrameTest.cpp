// A frame and content pair for real, with the message prompt's artwork and numbers.
#include "ui/FrameContentDlg.h"
#include "ui/LayeredFrameDlg.h"

#include "ScriptedModal.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

constexpr UINT kFrameTemplate = 9010;
constexpr UINT kContentTemplate = 9011;
constexpr UINT kPromptFramePng = 169;
constexpr UINT kPromptContentPng = 170;

class TestContent : public CFrameContentDlg {
public:
    TestContent() : CFrameContentDlg(kContentTemplate, kPromptPair, kPromptContentPng) {}
    int nLayouts = 0;
    int nFirstLayouts = 0;

protected:
    void LayoutControls(BOOL bFirst) override {
        ++nLayouts;
        nFirstLayouts += bFirst ? 1 : 0;
    }
};

class FrameUnderTest : public CLayeredFrameDlg {
public:
    explicit FrameUnderTest(UINT nFramePng = kPromptFramePng)
        : CLayeredFrameDlg(kFrameTemplate, kPromptPair, nFramePng) {}
    TestContent* Content() const { return static_cast<TestContent*>(m_pChildDlg.get()); }

protected:
    CFrameContentDlg* NewContent() override { return new TestContent; }
};

// Runs onLoop in the modal loop, then ends once whatever onLoop posted has been handled.
class TestFrame : public ScriptedModal<FrameUnderTest> {
public:
    explicit TestFrame(UINT nFramePng = kPromptFramePng) : ScriptedModal(nFramePng) {
        script = [this](FrameUnderTest&) {
            if (onLoop) {
                onLoop(*this);
            }
            Later([this] {
                bContentVisibleAtEnd = Content() != nullptr && Content()->IsWindowVisible();
                EndDialog(IDOK);
            });
        };
    }
    std::function<void(TestFrame&)> onLoop;
    bool bContentVisibleAtEnd = false;
};

struct Box {
    int left, top, width, height;
    bool operator==(const Box&) const = default;
};

void PrintTo(const Box& b, std::ostream* os) {
    *os << b.width << "x" << b.height << " at " << b.left << "," << b.top;
}

Box BoxOf(const RECT& rc) {
    return {rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top};
}

// Moves a window and lets the move messages run their course.
void MoveTo(HWND hWnd, int x, int y) {
    SetWindowPos(hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace

TEST(LayeredFrame, ShowsItsImageAndCarriesTheContentAtItsInsets) {
    TestFrame frame;
    Box frameBox{}, contentBox{};
    LONG_PTR exStyle = 0;
    TestContent* pContent = nullptr;
    frame.onLoop = [&](TestFrame& f) {
        frameBox = BoxOf(f.GetWindowRect());
        exStyle = GetWindowLongPtrW(f.m_hWnd, GWL_EXSTYLE);
        pContent = f.Content();
        ASSERT_NE(pContent, nullptr);
        contentBox = BoxOf(pContent->GetWindowRect());
        EXPECT_EQ(GetWindow(pContent->m_hWnd, GW_OWNER), f.m_hWnd);
        EXPECT_TRUE(pContent->IsWindowVisible());
        EXPECT_TRUE(pContent->m_bLaidOut);
        EXPECT_EQ(pContent->nFirstLayouts, 1);
    };
    EXPECT_EQ(frame.DoModal(), IDOK);
    EXPECT_NE(exStyle & WS_EX_LAYERED, 0);
    EXPECT_EQ(frameBox.width, 336);
    EXPECT_EQ(frameBox.height, 156);
    EXPECT_EQ(contentBox, (Box{frameBox.left + 5, frameBox.top + 3, 326, 146}));
    EXPECT_EQ(frame.m_pChildDlg, nullptr) << "the content object goes with the frame";
    EXPECT_EQ(frame.m_pBkImage, nullptr);
}

TEST(LayeredFrame, ScaledFrameAndContentTruncateEachLength) {
    TestFrame frame;
    frame.m_fScale = 1.25f;
    Box frameBox{}, contentBox{};
    frame.onLoop = [&](TestFrame& f) {
        MoveTo(f.m_hWnd, 100, 100);
        frameBox = BoxOf(f.GetWindowRect());
        contentBox = BoxOf(f.Content()->GetWindowRect());
    };
    frame.DoModal();
    EXPECT_EQ(frameBox, (Box{100, 100, 420, 195}));
    // Following a move: trunc(5 × 1.25) = 6 and trunc(3 × 1.25) = 3 from the frame's edges.
    EXPECT_EQ(contentBox, (Box{106, 103, 420 - 6 - 6, 195 - 3 - 8}));
}

TEST(LayeredFrame, DraggedContentTakesTheFrameAlongAndFromThenOnLeadsIt) {
    TestFrame frame;
    Box afterDrag{}, contentAfterDrag{}, contentAfterFrameMove{};
    BOOL bFollowAfterDrag = TRUE;
    LRESULT hitInBand = 0, hitInCorner = 0;
    frame.onLoop = [&](TestFrame& f) {
        MoveTo(f.m_hWnd, 200, 200);
        TestContent* c = f.Content();
        const RECT rc = c->GetWindowRect();
        // The band's right 26 pixels belong to the close glyph and do not drag.
        hitInCorner = c->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(rc.right - 20, rc.top + 10));
        hitInBand = c->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(rc.left + 40, rc.top + 10));
        MoveTo(c->m_hWnd, 300, 250); // as the system moves a window dragged by its caption
        afterDrag = BoxOf(f.GetWindowRect());
        contentAfterDrag = BoxOf(c->GetWindowRect());
        bFollowAfterDrag = f.m_bFollowChild;
        c->m_bInCaption = FALSE;
        MoveTo(f.m_hWnd, 10, 10);
        contentAfterFrameMove = BoxOf(c->GetWindowRect());
    };
    frame.DoModal();
    EXPECT_EQ(hitInBand, HTCAPTION);
    EXPECT_NE(hitInCorner, HTCAPTION);
    EXPECT_EQ(contentAfterDrag, (Box{300, 250, 326, 146}));
    EXPECT_EQ(afterDrag, (Box{295, 247, 336, 156}));
    EXPECT_FALSE(bFollowAfterDrag);
    EXPECT_EQ(contentAfterFrameMove, contentAfterDrag) << "the frame no longer moves the content";
}

TEST(LayeredFrame, MissingImageLeavesAnEmptyFrameThatCanStillBeEnded) {
    TestFrame frame(192); // no such image
    bool bHadContent = true;
    frame.onLoop = [&](TestFrame& f) { bHadContent = f.m_pChildDlg != nullptr; };
    EXPECT_EQ(frame.DoModal(), IDOK);
    EXPECT_FALSE(bHadContent);
}

TEST(LayeredFrame, EscapeAndEnterChangeNothing) {
    // Unswallowed, Esc would end the frame with IDCANCEL or hide the modeless content.
    TestFrame frame;
    frame.onLoop = [](TestFrame& f) {
        HWND hEdit = GetDlgItem(f.Content()->m_hWnd, 9111);
        for (HWND hTarget : {f.m_hWnd, f.Content()->m_hWnd, hEdit}) {
            PostMessageW(hTarget, WM_KEYDOWN, VK_ESCAPE, 0);
            PostMessageW(hTarget, WM_KEYDOWN, VK_RETURN, 0);
        }
    };
    EXPECT_EQ(frame.DoModal(), IDOK);
    EXPECT_TRUE(frame.bContentVisibleAtEnd);
}

TEST(LayeredFrame, AMinimisedFrameKeepsItsContentHidden) {
    TestFrame frame;
    bool bShownWhileMinimised = true;
    frame.onLoop = [&](TestFrame& f) {
        // As the panel's minimise button does it.
        f.SendMessage(WM_SYSCOMMAND, SC_MINIMIZE);
        // Activated while still minimised, as from the task switcher.
        SetActiveWindow(f.m_hWnd);
        f.SendMessage(WM_ACTIVATE, WA_ACTIVE);
        f.Later([&] {
            bShownWhileMinimised = f.Content()->IsWindowVisible();
            f.ShowWindow(SW_RESTORE);
        });
    };
    EXPECT_EQ(frame.DoModal(), IDOK);
    EXPECT_FALSE(bShownWhileMinimised);
}
