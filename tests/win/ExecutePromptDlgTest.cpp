// The working prompt for real: its text, its dots, and its end from another thread through
// an owner window, as the size change ends it.
#include "ScriptedModal.h"

#include "prompts/ExecutePromptChildDlg.h"
#include "prompts/ExecutePromptDlg.h"
#include "taskbar/TaskbarSizeSetter.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

using Working = ScriptedModal<CExecutePromptDlg>;

CExecutePromptChildDlg& Child(Working& prompt) {
    return *static_cast<CExecutePromptChildDlg*>(prompt.m_pChildDlg.get());
}

bool IsDotTimerRunning(CDrawStateInfoStatic& label) {
    // Killing a timer that is not running fails; a running one is started again.
    if (!label.KillTimer(CDrawStateInfoStatic::kDotTimerId)) {
        return false;
    }
    label.SetTimer(CDrawStateInfoStatic::kDotTimerId, CDrawStateInfoStatic::kDotTimerPeriodMs);
    return true;
}

// Stands for the main panel: a window on the prompt's thread that passes the worker's close
// message on to the working prompt with a second SendMessage.
class Forwarder : public CWnd {
public:
    explicit Forwarder(CExecutePromptDlg* pPrompt) : m_pPrompt(pPrompt) {
        HWND hWnd = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                    nullptr, nullptr);
        SubclassWindow(hWnd);
    }
    ~Forwarder() override {
        if (m_hWnd != nullptr) {
            DestroyWindow(m_hWnd);
        }
    }
    int nForwarded = 0;
    // Runs once the prompt has handled the forwarded message.
    std::function<void()> afterForward;

protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
        if (msg == WM_CLOSE_EXECUTE_PROMPT) {
            ++nForwarded;
            m_pPrompt->SendMessage(WM_CLOSE_EXECUTE_PROMPT);
            if (afterForward) {
                afterForward();
            }
            return 0;
        }
        return CWnd::WindowProc(msg, wParam, lParam);
    }

private:
    CExecutePromptDlg* m_pPrompt;
};

// The size worker's side: waits until told the prompt is up, lets it animate a while, then
// sends the close message to the owner and records that its SendMessage came back.
struct Worker {
    HWND hOwner = nullptr;
    HANDLE hShown = nullptr;
    DWORD dwDelayMs = 0;
    bool bReturned = false;

    static DWORD WINAPI Run(LPVOID pParam) {
        auto* self = static_cast<Worker*>(pParam);
        if (WaitForSingleObject(self->hShown, 20000) != WAIT_OBJECT_0) {
            return 1;
        }
        Sleep(self->dwDelayMs);
        SendMessageW(self->hOwner, WM_CLOSE_EXECUTE_PROMPT, 0, 0);
        self->bReturned = true;
        return 0;
    }
};

} // namespace

TEST(ExecutePromptDlg, EndedFromAnotherThreadThroughItsOwner) {
    // On the heap and kept after its run, as the main panel keeps its latest one.
    auto prompt = std::make_unique<Working>();
    prompt->SetText(L"正在设置，请稍等");
    Forwarder owner(prompt.get());
    HANDLE hShown = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    Worker worker{owner.m_hWnd, hShown, 1500};
    HANDLE hThread = CreateThread(nullptr, 0, Worker::Run, &worker, 0, nullptr);
    ASSERT_NE(hThread, nullptr);

    int nMostDots = 0;
    int nDotsAfterClose = -1;
    owner.afterForward = [&] {
        if (prompt->m_pChildDlg != nullptr) {
            nDotsAfterClose = Child(*prompt).m_staticState.m_nDotCount;
        }
    };
    prompt->script = [&](Working&) { SetEvent(hShown); };
    prompt->sample = [&](Working& p) {
        nMostDots = std::max(nMostDots, Child(p).m_staticState.m_nDotCount);
    };
    EXPECT_EQ(prompt->DoModal(), IDOK);
    EXPECT_EQ(WaitForSingleObject(hThread, 10000), WAIT_OBJECT_0);
    EXPECT_TRUE(worker.bReturned);
    EXPECT_EQ(owner.nForwarded, 1);
    EXPECT_GE(nMostDots, 1) << "it animated while the worker ran";
    EXPECT_EQ(nDotsAfterClose, 0) << "the dots are gone with the close message";
    CloseHandle(hThread);
    CloseHandle(hShown);

    // The object outlives its window; a late forward reaches nothing and harms nothing.
    EXPECT_EQ(prompt->m_hWnd, nullptr);
    EXPECT_EQ(prompt->m_pChildDlg, nullptr);
    owner.afterForward = nullptr;
    owner.SendMessage(WM_CLOSE_EXECUTE_PROMPT);
    EXPECT_EQ(owner.nForwarded, 2);
}

TEST(ExecutePromptDlg, DotsGrowOncePerSecondAndStopWithTheCloseMessage) {
    Working prompt;
    prompt.SetText(L"正在设置，请稍等");
    std::vector<int> counts;
    int nDotsAtClose = -1;
    bool bTimerAfterClose = true;
    std::wstring strTextAtClose;
    prompt.sample = [&](Working& p) {
        CExecutePromptChildDlg& child = Child(p);
        const int nDots = child.m_staticState.m_nDotCount;
        if (counts.empty() || counts.back() != nDots) {
            counts.push_back(nDots);
        }
        if (counts.size() == 5) {
            // A whole cycle and back to none: now the owner closes it.
            p.SendMessage(WM_CLOSE_EXECUTE_PROMPT);
            nDotsAtClose = child.m_staticState.m_nDotCount;
            bTimerAfterClose = IsDotTimerRunning(child.m_staticState);
            strTextAtClose = child.m_staticState.GetWindowText();
        }
    };
    prompt.nSampleMs = 100;
    EXPECT_EQ(prompt.DoModal(), IDOK);
    EXPECT_EQ(counts, (std::vector<int>{0, 1, 2, 3, 0}));
    EXPECT_EQ(nDotsAtClose, 0);
    EXPECT_FALSE(bTimerAfterClose);
    EXPECT_EQ(strTextAtClose, L"正在设置，请稍等") << "dots are drawn, never part of the text";
}

TEST(ExecutePromptDlg, CloseMessageEndsItWhenEverItComes) {
    // Before the first tick of the dots.
    {
        Working prompt;
        bool bTickedBeforeClose = true;
        prompt.script = [&](Working& p) {
            bTickedBeforeClose = Child(p).m_staticState.m_nDotCount != 0;
            p.SendMessage(WM_CLOSE_EXECUTE_PROMPT);
        };
        EXPECT_EQ(prompt.DoModal(), IDOK);
        EXPECT_FALSE(bTickedBeforeClose);
    }
    // Without a frame image there is no content, and the message still ends the modal loop.
    {
        Working prompt;
        prompt.UseMissingFrameImage();
        bool bHadContent = true;
        prompt.script = [&](Working& p) {
            bHadContent = p.m_pChildDlg != nullptr;
            p.SendMessage(WM_CLOSE_EXECUTE_PROMPT);
        };
        EXPECT_EQ(prompt.DoModal(), IDOK);
        EXPECT_FALSE(bHadContent);
    }
    // The owner's close came before the prompt was up: it ends as soon as it comes up.
    {
        Working prompt;
        prompt.EndFromOwner();
        bool bScriptRan = false;
        prompt.script = [&](Working&) { bScriptRan = true; };
        EXPECT_EQ(prompt.DoModal(), IDOK);
        EXPECT_FALSE(bScriptRan) << "it never waited in its loop";
    }
    // Nothing the user can do ends it: keys, WM_CLOSE on either window (Alt+F4).
    {
        Working prompt;
        bool bContentShown = false;
        prompt.script = [&](Working& p) {
            for (HWND hWnd : {p.m_hWnd, Child(p).m_hWnd, Child(p).m_staticState.m_hWnd}) {
                PostMessageW(hWnd, WM_KEYDOWN, VK_ESCAPE, 0);
                PostMessageW(hWnd, WM_KEYDOWN, VK_RETURN, 0);
            }
            p.PostMessage(WM_CLOSE);
            Child(p).PostMessage(WM_CLOSE);
            p.sample = [&](Working& q) {
                bContentShown = Child(q).IsWindowVisible() != FALSE;
                q.SendMessage(WM_CLOSE_EXECUTE_PROMPT);
            };
        };
        prompt.nSampleMs = 100;
        prompt.sample = [](Working&) {};
        EXPECT_EQ(prompt.DoModal(), IDOK) << "only the close message ends it";
        EXPECT_TRUE(bContentShown);
    }
}

TEST(ExecutePromptDlg, TextAndLabelLayout) {
    struct Case {
        std::wstring strGiven;
        float fScale;
        std::wstring strShown;
    };
    const Case cases[] = {
        {L"", 1.0f, L"正在修复，请稍等"},
        {L"x", 1.0f, L"正在修复，请稍等"},
        {L"设置", 1.0f, L"设置"},
        {L"正在设置，请稍等", 1.25f, L"正在设置，请稍等"},
    };
    for (const Case& c : cases) {
        Working prompt;
        prompt.m_fScale = c.fScale;
        prompt.SetText(c.strGiven);
        std::wstring strShown;
        RECT label{}, client{};
        bool bConfigured = false;
        prompt.script = [&](Working& p) {
            CExecutePromptChildDlg& child = Child(p);
            CDrawStateInfoStatic& state = child.m_staticState;
            strShown = state.GetWindowText();
            label = state.GetRectInParent();
            client = child.GetClientRect();
            // It paints the panel behind its text and its dots are running.
            bConfigured = state.m_pBkImage == child.m_pBkImage.get() &&
                          state.m_pBkImage != nullptr && IsDotTimerRunning(state);
            p.SendMessage(WM_CLOSE_EXECUTE_PROMPT);
        };
        EXPECT_EQ(prompt.DoModal(), IDOK);
        EXPECT_EQ(strShown, c.strShown) << "given \"" << c.strGiven.size() << "\" characters";
        EXPECT_TRUE(bConfigured);
        if (c.fScale == 1.0f) {
            EXPECT_EQ(client.right, 204);
            EXPECT_EQ(client.bottom, 104);
            EXPECT_EQ(label.left, 10);
            EXPECT_EQ(label.top, 32);
            EXPECT_EQ(label.right, 194);
            EXPECT_EQ(label.bottom, 72);
        } else {
            // Followed the centred frame: 290 × 165 less trunc(17.5) + trunc(17.5) across and
            // trunc(15) + trunc(20) down is 256 × 130.
            EXPECT_EQ(client.right, 256);
            EXPECT_EQ(client.bottom, 130);
            EXPECT_EQ(label.left, 12);
            EXPECT_EQ(label.top, 40);
            EXPECT_EQ(label.right, 243);
            EXPECT_EQ(label.bottom, 90);
        }
    }
}

TEST(ExecutePromptDlg, ResizeLaysOutAgainKeepingImageAndAnimation) {
    Working prompt;
    prompt.SetText(L"正在设置，请稍等");
    Gdiplus::Image* pBefore = nullptr;
    Gdiplus::Image* pAfter = nullptr;
    RECT label{};
    bool bAnimating = false;
    prompt.script = [&](Working& p) {
        CExecutePromptChildDlg& child = Child(p);
        pBefore = child.m_staticState.m_pBkImage;
        SetWindowPos(child.m_hWnd, nullptr, 0, 0, 304, 150,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        pAfter = child.m_staticState.m_pBkImage;
        label = child.m_staticState.GetRectInParent();
        bAnimating = IsDotTimerRunning(child.m_staticState);
        p.SendMessage(WM_CLOSE_EXECUTE_PROMPT);
    };
    EXPECT_EQ(prompt.DoModal(), IDOK);
    EXPECT_NE(pBefore, nullptr);
    EXPECT_EQ(pAfter, pBefore);
    EXPECT_TRUE(bAnimating) << "the animation is started once, not restarted or stopped";
    EXPECT_EQ(label.left, 10);
    EXPECT_EQ(label.top, 55); // 75 − 20
    EXPECT_EQ(label.right, 294);
    EXPECT_EQ(label.bottom, 95);
}
