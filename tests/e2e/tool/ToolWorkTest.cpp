// The tool at work, driven like a person: size changes from the click to the result prompt,
// the panel's other controls, the feedback dialog at the end and the self-removal.
#include "ToolTestSupport.h"

#include "res/resource.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr wchar_t kConfirm[] = L"请保存好数据，确定要运行吗？";
constexpr wchar_t kSuccess[] = L"设置任务栏大小成功,设置后需要重启电脑生效,是否重启电脑？";
constexpr wchar_t kFailure[] = L"设置任务栏大小失败";

// Pixels of the screen rectangle close to a colour.
int CountNear(const RECT& rc, COLORREF cr) {
    const UiImage image = UiImage::CaptureScreen(rc);
    int n = 0;
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) {
            const COLORREF c = image.Pixel(x, y);
            n += std::abs(GetRValue(c) - GetRValue(cr)) + std::abs(GetGValue(c) - GetGValue(cr)) +
                             std::abs(GetBValue(c) - GetBValue(cr)) <
                         24
                     ? 1
                     : 0;
        }
    }
    return n;
}

class ToolAtWork : public testing::Test {
protected:
    void StartTool() {
        tool.Start(folder);
        ASSERT_TRUE(tool.WaitForPanel());
    }
    // Clicks a size button and confirms; returns the result prompt, the working prompt seen.
    SkinWindow ChangeSize(int nButton, bool bShots = false) {
        tool.Ui().Click(tool.Panel(), nButton);
        const SkinWindow confirm = tool.WaitForPrompt();
        EXPECT_EQ(tool.PromptText(confirm), kConfirm);
        if (bShots) {
            tool.session.Shot(confirm.hFrame, L"tool-confirm");
        }
        tool.Answer(confirm, true);
        const HWND hWorking = tool.WaitForWorkingPrompt();
        EXPECT_NE(hWorking, nullptr) << "the working prompt shows while the worker runs";
        if (bShots && hWorking != nullptr) {
            // Once its white text is drawn; the worker leaves it up for half a second or more.
            const RECT label = UiDriver::ScreenRect(hWorking, IDC_STATIC_STATE);
            UiDriver::WaitFor([&] { return CountNear(label, RGB(255, 255, 255)) > 30; }, 1000);
            UiImage::CaptureScreen(UiDriver::ScreenRect(UiDriver::Owner(hWorking)))
                .SavePng(
                    Artifact(L"tool-working-" + std::to_wstring(tool.session.nDpi) + L"dpi.png"));
        }
        return tool.WaitForPrompt();
    }

    ToolFolder folder;
    ToolRun tool;
};

} // namespace

TEST_F(ToolAtWork, EachSizeWritesItsValueTwiceInOneProcess) {
    StartTool();
    SetTaskbarSi(7);
    const std::pair<int, DWORD> runs[] = {{IDC_BUTTON_MEDIUM, 1}, {IDC_BUTTON_LARGE, 2},
                                          {IDC_BUTTON_SMALL, 0},  {IDC_BUTTON_MEDIUM, 1},
                                          {IDC_BUTTON_LARGE, 2},  {IDC_BUTTON_SMALL, 0}};
    bool bFirst = true;
    for (const auto& [nButton, value] : runs) {
        SCOPED_TRACE(testing::Message() << "button " << nButton);
        const SkinWindow result = ChangeSize(nButton, bFirst);
        ASSERT_NE(result.hContent, nullptr) << tool.session.Describe();
        EXPECT_EQ(tool.PromptText(result), kSuccess);
        EXPECT_EQ(TaskbarSi(), std::optional<DWORD>(value));
        if (bFirst) {
            tool.session.Shot(result.hFrame, L"tool-success");
            bFirst = false;
        }
        // 否: no record, no restart, the tool goes on.
        tool.Answer(result, false);
    }
    EXPECT_EQ(folder.CallCount("CustomerFeedbackEx"), 0);

    // 取消 starts nothing.
    tool.Ui().Click(tool.Panel(), IDC_BUTTON_LARGE);
    const SkinWindow again = tool.WaitForPrompt();
    tool.Answer(again, false);
    EXPECT_EQ(tool.WaitForWorkingPrompt(1500), nullptr);
    EXPECT_EQ(TaskbarSi(), std::optional<DWORD>(0));
    EXPECT_FALSE(tool.WaitForExit(0).has_value());
}

// Under a prompt the size buttons and × take no click; a close during a run loses nothing.
TEST_F(ToolAtWork, NothingUnderAPromptTakesInput) {
    StartTool();
    SetTaskbarSi(7);
    // Unticked, the size buttons stay disabled through a prompt (the window menu's About box).
    const int sizeButtons[] = {IDC_BUTTON_LARGE, IDC_BUTTON_MEDIUM, IDC_BUTTON_SMALL};
    const auto smallEnabled = [&] { return UiDriver::IsEnabled(tool.Panel(), IDC_BUTTON_SMALL); };
    tool.Ui().Click(tool.Panel(), IDC_CHECK_AGREE);
    ASSERT_TRUE(UiDriver::WaitFor([&] { return !smallEnabled(); }, SkinSession::kSettleMs));
    PostMessageW(tool.Shell(), WM_SYSCOMMAND, 0x0010, 0);
    tool.Ui().Click(tool.Ui().WaitForWindow(L"关于 VandrellKelvane", SkinSession::kStartMs), IDOK);
    for (int nId : sizeButtons) {
        EXPECT_FALSE(UiDriver::IsEnabled(tool.Panel(), nId));
    }
    tool.Ui().Click(tool.Panel(), IDC_CHECK_AGREE);
    ASSERT_TRUE(UiDriver::WaitFor(smallEnabled, SkinSession::kSettleMs));
    // The prompts cover the middle of the buttons, not their left edge.
    const POINT largeEdge = tool.At(IDC_BUTTON_LARGE, 4, 24);
    tool.Ui().Click(tool.Panel(), IDC_BUTTON_MEDIUM);
    const SkinWindow confirm = tool.WaitForPrompt();
    // Once painted: the slow 32-bit build may show the prompt a while before it draws.
    UiDriver::WaitFor(
        [&] {
            return CountNear(UiDriver::ScreenRect(confirm.hContent, IDC_BUTTON_PROMPT_OK),
                             RGB(31, 99, 204)) > 400 &&
                   CountNear(UiDriver::ScreenRect(confirm.hContent, IDC_STATIC_PROMPT_TEXT),
                             RGB(77, 77, 77)) > 30;
        },
        10000);
    tool.session.ShotAround({tool.Shell(), confirm.hFrame}, L"tool-confirm-over-panel");
    tool.Ui().Click(largeEdge);
    tool.Answer(confirm, true);
    ASSERT_NE(tool.WaitForWorkingPrompt(), nullptr);
    tool.Ui().Click(tool.Panel(), IDC_BUTTON_CLOSE);
    tool.Ui().Click(largeEdge);
    const SkinWindow result = tool.WaitForPrompt();
    ASSERT_NE(result.hContent, nullptr);
    EXPECT_EQ(tool.PromptText(result), kSuccess) << "no second confirmation came first";
    EXPECT_EQ(TaskbarSi(), std::optional<DWORD>(1));
    EXPECT_EQ(tool.WaitForFeedback(0), nullptr) << "× during the run opened nothing";
    tool.Answer(result, false);
    EXPECT_EQ(tool.WaitForPrompt(1500).hContent, nullptr) << "the clicks started no second run";
    EXPECT_EQ(TaskbarSi(), std::optional<DWORD>(1));

    // A second × while the feedback dialog is up: one answer ends the tool with one record.
    tool.Ui().Click(tool.Panel(), IDC_BUTTON_CLOSE);
    const HWND hFeedback = tool.WaitForFeedback();
    tool.Ui().Click(tool.Panel(), IDC_BUTTON_CLOSE);
    tool.Ui().Click(hFeedback, IDC_BUTTON_SOLVED);
    ASSERT_EQ(tool.WaitForExit(), std::optional<DWORD>(0));
    EXPECT_EQ(folder.CallCount("CustomerFeedbackEx"), 1);
}

TEST_F(ToolAtWork, TheCheckBoxGatesTheSizeButtonsAndTheLinksCallTheLibrary) {
    StartTool();
    const int sizeButtons[] = {IDC_BUTTON_LARGE, IDC_BUTTON_MEDIUM, IDC_BUTTON_SMALL};
    const auto sizeButtonsEnabled = [&](bool bEnabled) {
        return UiDriver::WaitFor(
            [&] {
                return std::all_of(std::begin(sizeButtons), std::end(sizeButtons), [&](int nId) {
                    return UiDriver::IsEnabled(tool.Panel(), nId) == bEnabled;
                });
            },
            SkinSession::kSettleMs);
    };
    tool.Ui().Click(tool.Panel(), IDC_CHECK_AGREE);
    EXPECT_TRUE(sizeButtonsEnabled(false));
    EXPECT_TRUE(UiDriver::IsEnabled(tool.Panel(), IDC_BUTTON_MORE_TOOLS));
    tool.Ui().Click(tool.Panel(), IDC_CHECK_AGREE);
    EXPECT_TRUE(sizeButtonsEnabled(true));

    // A press elsewhere calls nothing; each link calls its export once.
    tool.Ui().Click(tool.At(IDC_STATIC_TITLE, 0, 200));
    tool.Ui().Click(tool.Centre(IDC_STATIC_FEEDBACK));
    tool.Ui().Click(tool.Centre(IDC_STATIC_AGREEMENT));
    tool.Ui().Click(tool.Panel(), IDC_BUTTON_MORE_TOOLS);
    EXPECT_TRUE(UiDriver::WaitFor([&] { return folder.CallCount("OpenUrl") == 1; },
                                  SkinSession::kSettleMs));
    EXPECT_EQ(folder.CallCount("FeedbackQuestion"), 1);
    EXPECT_EQ(folder.CallCount("OpenUseAgreementUrl"), 1);

    // The agreement link takes its hover colour under the pointer and loses it soon after the
    // pointer has left the panel.
    const RECT link = UiDriver::ScreenRect(tool.Panel(), IDC_STATIC_AGREEMENT);
    tool.Ui().MoveTo(tool.Centre(IDC_STATIC_AGREEMENT));
    EXPECT_TRUE(UiDriver::WaitFor([&] { return CountNear(link, RGB(0, 0, 255)) > 20; },
                                  SkinSession::kSettleMs));
    tool.Ui().MoveTo({5, 5});
    EXPECT_TRUE(UiDriver::WaitFor([&] { return CountNear(link, RGB(0, 0, 255)) == 0; }, 500));
}

TEST_F(ToolAtWork, TheBandDragsShellAndPanelAndMinimiseHidesBoth) {
    StartTool();
    const PixelRect shell = tool.session.FrameRect();
    const PixelRect panel = tool.session.ContentRect();
    const POINT band{panel.left + tool.session.Scale(40), panel.top + tool.session.Scale(10)};
    tool.session.DragBy(band, 60, 40);
    const auto moved = [](PixelRect rc, int dx, int dy) {
        return PixelRect{rc.left + dx, rc.top + dy, rc.right + dx, rc.bottom + dy};
    };
    EXPECT_EQ(tool.session.ContentRect(), moved(panel, 60, 40));
    EXPECT_EQ(tool.session.FrameRect(), moved(shell, 60, 40));
    // Lower down the panel is no handle.
    tool.session.DragBy(tool.At(IDC_STATIC_TITLE, 0, 200), 50, 50);
    EXPECT_EQ(tool.session.ContentRect(), moved(panel, 60, 40));

    tool.Ui().Click(tool.Panel(), IDC_BUTTON_MINIMIZE);
    EXPECT_TRUE(
        UiDriver::WaitFor([&] { return IsIconic(tool.Shell()) != FALSE; }, SkinSession::kSettleMs));
    EXPECT_TRUE(tool.Ui().WaitForGone(tool.Panel(), SkinSession::kSettleMs));
    PostMessageW(tool.Shell(), WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_TRUE(UiDriver::WaitFor([&] { return UiDriver::IsVisible(tool.Panel()); },
                                  SkinSession::kSettleMs));
    const POINT inside{band.x + 60, band.y + 40};
    EXPECT_TRUE(
        UiDriver::WaitFor([&] { return Reaches(tool.Panel(), inside); }, SkinSession::kSettleMs))
        << "the mouse reaches the panel again";
}

// 中 writes what takes effect on the system played (KELVANE_ICON_SIZE: 24H2 with its update),
// whatever language reg answers in; the other value stays unwritten.
TEST_F(ToolAtWork, MediumWritesWhatTakesEffectAndSucceeds) {
    const bool bIconSize = std::getenv("KELVANE_ICON_SIZE") != nullptr;
    StartTool();
    const SkinWindow result = ChangeSize(IDC_BUTTON_MEDIUM);
    ASSERT_NE(result.hContent, nullptr) << tool.session.Describe();
    EXPECT_EQ(tool.PromptText(result), kSuccess);
    EXPECT_EQ(TaskbarSi(L"IconSizePreference"), bIconSize ? std::optional<DWORD>(2) : std::nullopt);
    EXPECT_EQ(TaskbarSi(), bIconSize ? std::nullopt : std::optional<DWORD>(1));
}

// A registry tool refused its write (KELVANE_REG=denied): the failure prompt, then one record in
// the size-change log.
TEST_F(ToolAtWork, AFailedChangeShowsItsPromptAndLogsOnce) {
    DeleteFileW(ToolLogFile(L"Kelvane.txt").c_str());
    StartTool();
    const SkinWindow result = ChangeSize(IDC_BUTTON_MEDIUM);
    ASSERT_NE(result.hContent, nullptr) << tool.session.Describe();
    EXPECT_EQ(tool.PromptText(result), kFailure);
    tool.session.Shot(result.hFrame, L"tool-failure");
    tool.Answer(result, true);
    EXPECT_TRUE(
        UiDriver::WaitFor([&] { return OnlyLogRecord(ToolLogFile(L"Kelvane.txt")) == kFailure; },
                          SkinSession::kSettleMs));
    EXPECT_FALSE(PathExists(ToolLogFile(L"Dorrin.txt")));
}

// 是 records the outcome, then asks for the restart, which ends every program of the prefix,
// this test included: restart_test.py runs it and checks what it left (the record in the
// journal, the line below and no end of its own).
TEST_F(ToolAtWork, YesRecordsTheOutcomeThenRestarts) {
    StartTool();
    const SkinWindow result = ChangeSize(IDC_BUTTON_SMALL);
    ASSERT_NE(result.hContent, nullptr);
    std::printf("answering yes at %lld\n", static_cast<long long>(_time64(nullptr)));
    std::fflush(stdout);
    tool.Ui().Click(result.hContent, IDC_BUTTON_PROMPT_OK);
    tool.WaitForExit(30000);
    ADD_FAILURE() << "still running 30 s after the restart was asked for";
}
