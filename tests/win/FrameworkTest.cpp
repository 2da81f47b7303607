// The framework's dialogs for real: modal loops, pre-translation, owner-draw, centring.
#include "framework/Button.h"
#include "framework/Dialog.h"
#include "framework/WinApp.h"

#include "ScriptedModal.h"
#include "WindowKit.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

namespace {

constexpr UINT kTestDialog = 9001;
constexpr int kEdit = 9101;
constexpr int kDrawButton = 9102;
constexpr UINT WM_TEST_END = WM_APP + 1;

class RecordingButton : public CButton {
public:
    void DrawItem(DRAWITEMSTRUCT* pDraw) override {
        FillRect(pDraw->hDC, &pDraw->rcItem, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        ++nDraws;
    }
    BOOL PreTranslateMessage(MSG* pMsg) override {
        seen.push_back(pMsg->message);
        return FALSE;
    }
    int nDraws = 0;
    std::vector<UINT> seen;
};

// The framework's dialog with a bound owner-drawn button and a record of pre-translated keys.
class DialogUnderTest : public CDialog {
public:
    explicit DialogUnderTest(CWnd* pParent = nullptr) : CDialog(kTestDialog, pParent) {}

    std::vector<std::pair<HWND, UINT>> preTranslated;
    RecordingButton button;
    bool bSwallowKeys = false;

    BOOL PreTranslateMessage(MSG* pMsg) override {
        if (pMsg->message == WM_KEYDOWN || pMsg->message == WM_CHAR) {
            preTranslated.emplace_back(pMsg->hwnd, pMsg->message);
            if (bSwallowKeys) {
                return TRUE;
            }
        }
        return CDialog::PreTranslateMessage(pMsg);
    }

protected:
    void DoDataExchange() override { button.SubclassDlgItem(kDrawButton, this); }
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
        if (msg == WM_TEST_END) {
            EndDialog(static_cast<INT_PTR>(wParam));
            return 0;
        }
        return CDialog::WindowProc(msg, wParam, lParam);
    }
};
using TestDialog = ScriptedModal<DialogUnderTest>;

DWORD WINAPI SendEndLater(LPVOID pParam) {
    Sleep(200);
    SendMessageW(static_cast<HWND>(pParam), WM_TEST_END, 5, 0);
    return 0;
}

} // namespace

TEST(FrameworkDialog, EndDialogResultComesBackFromDoModal) {
    TestDialog dialog;
    dialog.script = [](TestDialog& d) { d.EndDialog(42); };
    EXPECT_EQ(dialog.DoModal(), 42);
    EXPECT_EQ(dialog.m_hWnd, nullptr) << "the window is gone after the modal run";
}

TEST(FrameworkDialog, CloseEndsAModalDialogWithCancel) {
    TestDialog dialog;
    dialog.script = [](TestDialog& d) { d.PostMessage(WM_CLOSE); };
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

TEST(FrameworkDialog, PreTranslateSeesChildMessagesFromTheChildUp) {
    TestDialog dialog;
    HWND hEdit = nullptr;
    dialog.script = [&](TestDialog& d) {
        // Queued behind the keys, so the modal loop handles those first.
        hEdit = GetDlgItem(d.m_hWnd, kEdit);
        PostMessageW(hEdit, WM_CHAR, L'x', 0);
        PostMessageW(d.button.m_hWnd, WM_KEYDOWN, 'B', 0);
        d.PostMessage(WM_TEST_END, IDOK);
    };
    EXPECT_EQ(dialog.DoModal(), IDOK);
    ASSERT_EQ(dialog.preTranslated.size(), 2u);
    EXPECT_EQ(dialog.preTranslated[0], std::make_pair(hEdit, static_cast<UINT>(WM_CHAR)));
    EXPECT_EQ(dialog.preTranslated[1].second, static_cast<UINT>(WM_KEYDOWN));
    // The child's own object looked first.
    EXPECT_NE(std::find(dialog.button.seen.begin(), dialog.button.seen.end(),
                        static_cast<UINT>(WM_KEYDOWN)),
              dialog.button.seen.end());
}

TEST(FrameworkDialog, EscapeReachesTheDialogManagerUnlessSwallowed) {
    TestDialog dialog;
    dialog.script = [](TestDialog& d) {
        PostMessageW(GetDlgItem(d.m_hWnd, kEdit), WM_KEYDOWN, VK_ESCAPE, 0);
        d.PostMessage(WM_TEST_END, 77);
    };
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

TEST(FrameworkDialog, SwallowedKeysNeverReachTheDialogManager) {
    // Without the dialog's veto, Esc would end the dialog with IDCANCEL.
    TestDialog dialog;
    dialog.bSwallowKeys = true;
    dialog.script = [](TestDialog& d) {
        PostMessageW(GetDlgItem(d.m_hWnd, kEdit), WM_KEYDOWN, VK_ESCAPE, 0);
        PostMessageW(GetDlgItem(d.m_hWnd, kEdit), WM_KEYDOWN, VK_RETURN, 0);
        d.PostMessage(WM_TEST_END, 77);
    };
    EXPECT_EQ(dialog.DoModal(), 77);
}

// Task-modal: the thread's windows get back their own state, child controls are left alone.
TEST(FrameworkDialog, NestedModalLoopsDisableAndRestoreTheThreadsWindows) {
    TestDialog outer, idle, disabled;
    std::vector<BOOL> during, after;
    INT_PTR nInner = 0;
    outer.script = [&](TestDialog& o) {
        idle.Create(kTestDialog);
        disabled.Create(kTestDialog);
        disabled.EnableWindow(FALSE);
        const HWND hEdit = GetDlgItem(o.m_hWnd, kEdit);
        EnableWindow(hEdit, FALSE);
        SetActiveWindow(o.m_hWnd);
        TestDialog inner(&o);
        inner.script = [&](TestDialog& i) {
            during = {o.IsWindowEnabled(), idle.IsWindowEnabled(), disabled.IsWindowEnabled()};
            i.EndDialog(7);
        };
        nInner = inner.DoModal();
        // Under Wine the window manager's focus events for the inner window may come late.
        after = {o.IsWindowEnabled(), idle.IsWindowEnabled(), disabled.IsWindowEnabled(),
                 IsWindowEnabled(hEdit),
                 PumpUntil([&] { return GetActiveWindow() == o.m_hWnd; }, 2000)};
        o.EndDialog(nInner);
    };
    EXPECT_EQ(outer.DoModal(), 7);
    EXPECT_EQ(during, (std::vector<BOOL>{FALSE, FALSE, FALSE}));
    EXPECT_EQ(after, (std::vector<BOOL>{TRUE, TRUE, FALSE, FALSE, TRUE}));
    DestroyWindow(idle.m_hWnd);
    DestroyWindow(disabled.m_hWnd);
}

TEST(FrameworkDialog, MessageSentFromAnotherThreadEndsANestedLoop) {
    TestDialog outer;
    INT_PTR nInner = 0;
    outer.script = [&](TestDialog& o) {
        TestDialog inner(&o);
        HANDLE hThread = nullptr;
        inner.script = [&](TestDialog& i) {
            // Sent messages are handled inside GetMessage: the loop must still notice the end.
            hThread = CreateThread(nullptr, 0, SendEndLater, i.m_hWnd, 0, nullptr);
        };
        nInner = inner.DoModal();
        WaitForSingleObject(hThread, INFINITE);
        CloseHandle(hThread);
        o.EndDialog(1);
    };
    EXPECT_EQ(outer.DoModal(), 1);
    EXPECT_EQ(nInner, 5);
}

TEST(FrameworkDialog, OwnerDrawnButtonDrawsItself) {
    TestDialog dialog;
    dialog.script = [](TestDialog& d) {
        Pump(300);
        d.EndDialog(IDOK);
    };
    dialog.DoModal();
    EXPECT_GT(dialog.button.nDraws, 0);
}

TEST(FrameworkDialog, ModalDialogIsCentredOverItsOwnerUnlessItPlacedItself) {
    TestDialog owner;
    RECT ownerRect{}, centred{}, placed{};
    owner.init = [](TestDialog& o) { o.MoveWindow(100, 80, 600, 400); };
    owner.script = [&](TestDialog& o) {
        ownerRect = o.GetWindowRect();
        TestDialog child(&o);
        child.script = [&](TestDialog& c) {
            centred = c.GetWindowRect();
            c.EndDialog(IDOK);
        };
        child.DoModal();
        TestDialog self(&o);
        self.init = [](TestDialog& s) { s.MoveWindow(10, 20, 200, 100); };
        self.script = [&](TestDialog& s) {
            placed = s.GetWindowRect();
            s.EndDialog(IDOK);
        };
        self.DoModal();
        o.EndDialog(IDOK);
    };
    owner.DoModal();
    EXPECT_EQ(ownerRect.left, 100) << "a dialog that places itself stays put";
    EXPECT_NEAR((centred.left + centred.right) / 2, (ownerRect.left + ownerRect.right) / 2, 1);
    EXPECT_NEAR((centred.top + centred.bottom) / 2, (ownerRect.top + ownerRect.bottom) / 2, 1);
    EXPECT_EQ(placed.left, 10);
    EXPECT_EQ(placed.top, 20);
}

TEST(FrameworkDialog, ModelessDialogLivesUntilDestroyed) {
    TestDialog modeless;
    ASSERT_TRUE(modeless.Create(kTestDialog));
    HWND hWnd = modeless.m_hWnd;
    EXPECT_EQ(CWnd::FromHandle(hWnd), &modeless);
    modeless.EndDialog(IDOK);
    EXPECT_FALSE(IsWindowVisible(hWnd)) << "ending a modeless dialog hides it";
    DestroyWindow(hWnd);
    EXPECT_EQ(modeless.m_hWnd, nullptr);
    EXPECT_EQ(CWnd::FromHandle(hWnd), nullptr);
}

namespace {

class TestApp : public CWinApp {
public:
    BOOL InitInstance() override { return FALSE; }
};

} // namespace

TEST(FrameworkDialog, AParentlessModalDialogIsOwnedByTheMainWindow) {
    struct Seen {
        HWND hOwner;
        BOOL bMainEnabled;
    };
    auto app = std::make_unique<TestApp>();
    TestDialog main;
    app->m_pMainWnd = &main;
    HWND hMain = nullptr;
    HWND hMainOwner = reinterpret_cast<HWND>(1);
    Seen owned{}, withoutApp{};
    const auto runParentless = [](TestDialog& m, Seen* pSeen) {
        TestDialog prompt;
        prompt.script = [&](TestDialog& p) {
            *pSeen = {GetWindow(p.m_hWnd, GW_OWNER), IsWindowEnabled(m.m_hWnd)};
            p.EndDialog(IDOK);
        };
        prompt.DoModal();
    };
    main.script = [&](TestDialog& m) {
        hMain = m.m_hWnd;
        hMainOwner = GetWindow(m.m_hWnd, GW_OWNER);
        runParentless(m, &owned);
        app.reset();
        runParentless(m, &withoutApp);
        m.EndDialog(IDOK);
    };
    main.DoModal();
    EXPECT_EQ(hMainOwner, nullptr) << "the main window itself has no owner";
    EXPECT_EQ(owned.hOwner, hMain);
    EXPECT_FALSE(owned.bMainEnabled) << "the main window is disabled while the dialog runs";
    EXPECT_EQ(withoutApp.hOwner, nullptr) << "no application, no default owner";
    EXPECT_FALSE(withoutApp.bMainEnabled) << "owned or not, the thread's windows are disabled";
}
