// The message prompt for real: its answers, its buttons per type and its layout.
#include "GdiplusSession.h"
#include "ScriptedModal.h"

#include "prompts/PromptChildDlg.h"
#include "prompts/PromptDlg.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

using Prompt = ScriptedModal<CPromptDlg>;

struct Box {
    int left, top, right, bottom;
    bool operator==(const Box&) const = default;
};

void PrintTo(const Box& b, std::ostream* os) {
    *os << "(" << b.left << "," << b.top << ")-(" << b.right << "," << b.bottom << ")";
}

CPromptChildDlg& Child(Prompt& prompt) {
    return *static_cast<CPromptChildDlg*>(prompt.m_pChildDlg.get());
}

Box InContent(const CWnd& control) {
    const RECT rc = control.GetRectInParent();
    return {rc.left, rc.top, rc.right, rc.bottom};
}

// Runs a prompt of this type whose script does one thing; returns DoModal's answer.
INT_PTR Answer(int nType, const std::function<void(Prompt&)>& act) {
    Prompt prompt;
    prompt.SetText(L"请保存好数据，确定要运行吗？");
    prompt.SetType(nType);
    prompt.script = act;
    return prompt.DoModal();
}

void Press(CWnd& button) {
    // Down and up through the button itself, which then reports BN_CLICKED to the content.
    button.SendMessage(BM_CLICK);
}

} // namespace

TEST(PromptDlg, FirstAnswerGivesOneAndEverythingElseTwo) {
    for (int nType = PROMPT_TYPE_YES; nType <= PROMPT_TYPE_CONFIRMCANCEL; ++nType) {
        SCOPED_TRACE("type " + std::to_string(nType));
        EXPECT_EQ(Answer(nType, [](Prompt& p) { Press(Child(p).m_btnOK); }), IDOK);
        EXPECT_EQ(Answer(nType, [](Prompt& p) { Press(Child(p).m_btnClose); }), IDCANCEL)
            << "the close glyph answers no, even where there is no second button";
        EXPECT_EQ(Answer(nType, [](Prompt& p) { p.SendMessage(WM_CLOSE); }), IDCANCEL);
        // Alt+F4 lands on the content, the active window: it must not hide it and leave an
        // empty frame waiting forever.
        EXPECT_EQ(Answer(nType, [](Prompt& p) { Child(p).SendMessage(WM_CLOSE); }), IDCANCEL);
        if (PromptLayout::HasSecondButton(nType)) {
            EXPECT_EQ(Answer(nType, [](Prompt& p) { Press(Child(p).m_btnCancel); }), IDCANCEL);
        }
    }
    // The frame's own message, as the content sends it; anything but 1 answers no.
    EXPECT_EQ(Answer(2, [](Prompt& p) { p.SendMessage(WM_PROMPT_RESULT, 1); }), IDOK);
    EXPECT_EQ(Answer(2, [](Prompt& p) { p.SendMessage(WM_PROMPT_RESULT, 2); }), IDCANCEL);
    EXPECT_EQ(Answer(2, [](Prompt& p) { p.SendMessage(WM_PROMPT_RESULT, 7); }), IDCANCEL);
}

TEST(PromptDlg, KeysAndStrayMessagesDoNotAnswer) {
    const INT_PTR nResult = Answer(4, [](Prompt& p) {
        for (HWND hWnd : {p.m_hWnd, Child(p).m_hWnd, Child(p).m_btnOK.m_hWnd}) {
            PostMessageW(hWnd, WM_KEYDOWN, VK_ESCAPE, 0);
            PostMessageW(hWnd, WM_KEYDOWN, VK_RETURN, 0);
        }
        // Behind the keys in the queue: whatever they did has happened by then.
        p.PostMessage(WM_PROMPT_RESULT, 1);
    });
    EXPECT_EQ(nResult, IDOK);
}

TEST(PromptDlg, EachTypeShowsItsButtonsAtTheirPlaces) {
    struct Seen {
        bool bOK = false, bCancel = false, bClose = false;
        Box ok{}, cancel{}, close{}, text{};
        std::wstring strText;
        bool bImages = false;
        bool bLaidOut = false;
    };
    struct Case {
        int nType;
        float fScale;
        bool bPair;
        Box ok;
    };
    // The frame is centred after it placed its content, and the content follows with the
    // insets truncated one by one: 326 × 146 at 1.0 and 408 × 184 at 1.25.
    const Case cases[] = {
        {1, 1.0f, false, {135, 107, 190, 131}},  {2, 1.0f, true, {96, 107, 151, 131}},
        {3, 1.0f, false, {135, 107, 190, 131}},  {4, 1.0f, true, {96, 107, 151, 131}},
        {1, 1.25f, false, {169, 133, 237, 163}}, {2, 1.25f, true, {120, 133, 188, 163}},
        {3, 1.25f, false, {169, 133, 237, 163}}, {4, 1.25f, true, {120, 133, 188, 163}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("type " + std::to_string(c.nType) + " at " + std::to_string(c.fScale));
        Seen seen;
        Prompt prompt;
        prompt.m_fScale = c.fScale;
        prompt.SetText(c.nType == 1 ? L"" : L"设置任务栏大小失败");
        prompt.SetType(c.nType);
        prompt.script = [&](Prompt& p) {
            CPromptChildDlg& child = Child(p);
            seen.bLaidOut = child.m_bLaidOut != FALSE;
            seen.bOK = child.m_btnOK.IsWindowVisible() != FALSE;
            seen.bCancel = child.m_btnCancel.IsWindowVisible() != FALSE;
            seen.bClose = child.m_btnClose.IsWindowVisible() != FALSE;
            seen.ok = InContent(child.m_btnOK);
            seen.cancel = InContent(child.m_btnCancel);
            seen.close = InContent(child.m_btnClose);
            seen.text = InContent(child.m_staticText);
            seen.strText = child.m_staticText.GetWindowText();
            seen.bImages = true;
            for (CPngButton* pButton : {&child.m_btnOK, &child.m_btnCancel, &child.m_btnClose}) {
                seen.bImages = seen.bImages && pButton->m_pImages[0] != nullptr;
            }
            p.EndDialog(IDCANCEL);
        };
        EXPECT_EQ(prompt.DoModal(), IDCANCEL);
        EXPECT_TRUE(seen.bLaidOut);
        EXPECT_TRUE(seen.bOK);
        EXPECT_EQ(seen.bCancel, c.bPair);
        EXPECT_TRUE(seen.bClose);
        EXPECT_TRUE(seen.bImages);
        EXPECT_EQ(seen.ok, c.ok);
        EXPECT_EQ(seen.strText, c.nType == 1 ? L"" : L"设置任务栏大小失败");
        if (c.fScale == 1.0f) {
            EXPECT_EQ(seen.close, (Box{300, 8, 312, 20}));
            EXPECT_EQ(seen.text, (Box{10, 30, 316, 106}));
            if (c.bPair) {
                EXPECT_EQ(seen.cancel, (Box{175, 107, 230, 131}));
            }
        } else {
            EXPECT_EQ(seen.close, (Box{376, 10, 391, 25}));
            EXPECT_EQ(seen.text, (Box{12, 37, 396, 134}));
            if (c.bPair) {
                EXPECT_EQ(seen.cancel, (Box{219, 133, 287, 163}));
            }
        }
    }
}

TEST(PromptDlg, ResizeLaysOutAgainWithoutReloadingImages) {
    for (int nType : {PROMPT_TYPE_CONFIRM, PROMPT_TYPE_YESNO}) {
        SCOPED_TRACE("type " + std::to_string(nType));
        Prompt prompt;
        prompt.SetType(nType);
        prompt.SetText(L"文字");
        Gdiplus::Image* pBefore = nullptr;
        Gdiplus::Image* pAfter = nullptr;
        Box ok{}, cancel{}, close{};
        bool bCancelShown = false;
        std::wstring strText;
        prompt.script = [&](Prompt& p) {
            CPromptChildDlg& child = Child(p);
            pBefore = child.m_btnOK.m_pImages[0].get();
            child.m_staticText.SetWindowText(L"changed");
            // Wider by 100 and taller by 40: every rectangle follows the new client area.
            SetWindowPos(child.m_hWnd, nullptr, 0, 0, 426, 186,
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
            pAfter = child.m_btnOK.m_pImages[0].get();
            ok = InContent(child.m_btnOK);
            cancel = InContent(child.m_btnCancel);
            close = InContent(child.m_btnClose);
            bCancelShown = child.m_btnCancel.IsWindowVisible() != FALSE;
            strText = child.m_staticText.GetWindowText();
            p.EndDialog(IDCANCEL);
        };
        prompt.DoModal();
        EXPECT_NE(pBefore, nullptr);
        EXPECT_EQ(pAfter, pBefore) << "images are loaded once";
        EXPECT_EQ(close, (Box{400, 8, 412, 20}));
        EXPECT_EQ(strText, L"文字") << "the layout sets the message again";
        if (nType == PROMPT_TYPE_CONFIRM) {
            EXPECT_EQ(ok, (Box{185, 107, 240, 131})); // 213 − 27.5
            EXPECT_FALSE(bCancelShown);
        } else {
            EXPECT_EQ(ok, (Box{146, 107, 201, 131})); // 213 − 55 − 12
            EXPECT_EQ(cancel, (Box{225, 107, 280, 131}));
            EXPECT_TRUE(bCancelShown);
        }
    }
}

TEST(PromptDlg, MissingFrameImageAnswersNoAtOnce) {
    // Otherwise an invisible modal window with nothing to click would hold its caller forever.
    Prompt prompt;
    prompt.UseMissingFrameImage();
    prompt.SetType(PROMPT_TYPE_CONFIRM);
    bool bScriptRan = false;
    prompt.script = [&](Prompt&) { bScriptRan = true; };
    EXPECT_EQ(prompt.DoModal(), IDCANCEL);
    EXPECT_FALSE(bScriptRan) << "the modal loop never ran";
    EXPECT_EQ(prompt.m_pChildDlg, nullptr);
}

TEST(PromptDlg, PromptsOneAfterTheOtherShareTheirImagesUntilGdiplusStops) {
    std::vector<std::weak_ptr<Gdiplus::Image>> seen;
    {
        const GdiplusSession gdiplus;
        for (int i = 0; i < 2; ++i) {
            Answer(PROMPT_TYPE_YES, [&](Prompt& p) {
                seen.insert(seen.end(),
                            {p.m_pBkImage, Child(p).m_pBkImage, Child(p).m_btnOK.m_pImages[0]});
                p.EndDialog(IDOK);
            });
        }
        for (std::size_t i = 0; i < 3; ++i) {
            EXPECT_TRUE(seen[i].lock() != nullptr && seen[i].lock() == seen[i + 3].lock()) << i;
        }
    }
    for (const auto& pImage : seen) {
        EXPECT_TRUE(pImage.expired());
    }
}
