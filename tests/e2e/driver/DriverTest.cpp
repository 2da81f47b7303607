// The UI driver against its own host program: finding windows and owners, reading controls,
// real mouse and keyboard input, pictures, and targets that hang or end.
#include "DriverHostIds.h"
#include "UiDesktop.h"
#include "UiDriver.h"
#include "UiProcess.h"

#include "WinTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <set>

namespace {

constexpr DWORD kStartMs = 30000;
constexpr DWORD kReactMs = 5000;

const std::wstring kMainTitle = L"" HOST_MAIN_TITLE;
const std::wstring kPopupTitle = L"" HOST_POPUP_TITLE;
const std::wstring kNestedTitle = L"" HOST_NESTED_TITLE;
const std::wstring kPromptTitle = L"" HOST_PROMPT_TITLE;

std::wstring HostExe() {
    return FolderOf(ThisProgram()) + L"\\DriverHost.exe";
}

// Pictures go where ctest says (build/e2e/driver), else beside this program.
std::wstring Artifact(const std::wstring& name) {
    wchar_t folder[MAX_PATH] = {};
    const DWORD n = GetEnvironmentVariableW(L"KELVANE_E2E_ARTIFACTS", folder, MAX_PATH);
    const std::wstring base = n > 0 && n < MAX_PATH ? folder : FolderOf(ThisProgram());
    return base + L"\\" + name;
}

std::array<LONG, 4> Box(const RECT& rc) {
    return {rc.left, rc.top, rc.right, rc.bottom};
}

std::set<HWND> AsSet(const std::vector<HWND>& windows) {
    return {windows.begin(), windows.end()};
}

POINT Centre(const RECT& rc) {
    return {(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
}

ULONGLONG MillisecondsOf(const std::function<void()>& action) {
    const ULONGLONG start = GetTickCount64();
    action();
    return GetTickCount64() - start;
}

// A fresh host on a desktop of its own for every test, with its four windows found.
class DriverTestBase : public testing::Test {
protected:
    void SetUp() override {
        desktop = std::make_unique<UiDesktop>(L"KelvaneDriverTest");
        process = std::make_unique<UiProcess>(HostExe(), L"", FolderOf(HostExe()), desktop->Name());
        ASSERT_TRUE(process->WaitForInputIdle(kStartMs));
        ui = std::make_unique<UiDriver>(process->Id());
        ASSERT_TRUE(UiDriver::WaitFor(
            [&] {
                hMain = ui->FindWindowByTitle(kMainTitle);
                hPopup = ui->FindWindowByTitle(kPopupTitle);
                hNested = ui->FindWindowByTitle(kNestedTitle);
                hPrompt = ui->FindWindowByTitle(kPromptTitle);
                return hMain && hPopup && hNested && hPrompt;
            },
            kStartMs))
            << UiDriverError::Utf8(ui->Describe());
    }

    std::wstring Status() const { return ui->Text(hMain, IDC_STATUS); }
    std::wstring History() const { return ui->Text(hMain, IDC_HISTORY); }
    bool WaitForStatus(const std::wstring& text) const {
        return ui->WaitForText(ui->Control(hMain, IDC_STATUS), text, kReactMs);
    }

    // Declared first, so it goes last: the host ends before its desktop is closed.
    std::unique_ptr<UiDesktop> desktop;
    std::unique_ptr<UiProcess> process;
    std::unique_ptr<UiDriver> ui;
    HWND hMain = nullptr;
    HWND hPopup = nullptr;
    HWND hNested = nullptr;
    HWND hPrompt = nullptr;
};

class DriverWindows : public DriverTestBase {};
class DriverMouse : public DriverTestBase {};
class DriverKeyboard : public DriverTestBase {};
class DriverCapture : public DriverTestBase {};
class DriverProcess : public DriverTestBase {};

// ---- Windows and controls -------------------------------------------------------------------

TEST_F(DriverWindows, FindsEveryWindowOfTheProgramAndWhoOwnsWhom) {
    EXPECT_EQ(AsSet(ui->Windows()), (std::set<HWND>{hMain, hPopup, hNested, hPrompt}));
    EXPECT_EQ(UiDriver::OwnerChain(hNested), (std::vector<HWND>{hNested, hPopup, hMain}));
    EXPECT_EQ(UiDriver::OwnerChain(hPrompt), std::vector<HWND>{hPrompt});
    EXPECT_EQ(ui->OwnedWindows(hMain), std::vector<HWND>{hPopup});
    EXPECT_EQ(ui->OwnedWindows(hPopup), std::vector<HWND>{hNested});
    EXPECT_TRUE(ui->OwnedWindows(hNested).empty());

    // Windows of another process are not this one's.
    const std::vector<HWND> mine = UiDriver(GetCurrentProcessId()).Windows(true);
    for (HWND hWnd : {hMain, hPopup, hNested, hPrompt}) {
        EXPECT_EQ(std::count(mine.begin(), mine.end(), hWnd), 0);
    }
}

TEST_F(DriverWindows, WaitingForAWindowThatNeverComesEndsAtTheTimeout) {
    HWND hFound = hMain;
    const ULONGLONG elapsed =
        MillisecondsOf([&] { hFound = ui->WaitForWindow(L"Driver Nowhere", 300); });
    EXPECT_EQ(hFound, nullptr);
    EXPECT_GE(elapsed, 300u);
    EXPECT_LT(elapsed, 3000u);
    EXPECT_EQ(ui->WaitForWindow(kPromptTitle, 0), hPrompt);
}

TEST_F(DriverWindows, ReadsTextsThroughTheWindowsThemselves) {
    EXPECT_EQ(ui->Text(hMain), kMainTitle);
    EXPECT_EQ(ui->Text(hPrompt), kPromptTitle);
    EXPECT_EQ(ui->Text(hMain, IDC_PRESS), L"Press");
    EXPECT_EQ(ui->Text(hMain, IDC_EDIT), L"abc");
    EXPECT_EQ(Status(), L"就绪");
    EXPECT_EQ(ui->Text(hMain, IDC_LABEL), L"中文标签");
    EXPECT_EQ(ui->Text(hPrompt, IDC_PROMPT_TEXT), L"请确认");
    EXPECT_EQ(ui->Text(hPrompt, IDOK), L"确定");
    // A hidden control still answers.
    EXPECT_EQ(ui->Text(hMain, IDC_HIDDEN), L"hidden");

    // Ids are looked up in the dialog asked about only.
    EXPECT_EQ(UiDriver::FindControl(hMain, IDOK), nullptr);
    EXPECT_THROW(UiDriver::Control(hMain, IDOK), UiDriverError);
    EXPECT_THROW(ui->Text(hMain, 4242), UiDriverError);
}

TEST_F(DriverWindows, ReadsRectanglesOnTheScreenAndInTheDialog) {
    const RECT inDialog = UiDriver::RectInDialog(hMain, IDC_SWATCH);
    EXPECT_EQ(Box(inDialog),
              (std::array<LONG, 4>{HOST_SWATCH_X, HOST_SWATCH_Y, HOST_SWATCH_X + HOST_SWATCH_CX,
                                   HOST_SWATCH_Y + HOST_SWATCH_CY}));
    const RECT client = UiDriver::ClientRectOnScreen(hMain);
    const RECT onScreen = UiDriver::ScreenRect(hMain, IDC_SWATCH);
    EXPECT_EQ(Box(onScreen),
              (std::array<LONG, 4>{client.left + inDialog.left, client.top + inDialog.top,
                                   client.left + inDialog.right, client.top + inDialog.bottom}));

    // The client area lies inside the window rectangle, under the caption.
    const RECT window = UiDriver::ScreenRect(hMain);
    EXPECT_GE(client.left, window.left);
    EXPECT_GT(client.top, window.top);
    EXPECT_LE(client.right, window.right);
    EXPECT_LE(client.bottom, window.bottom);

    // Controls laid out in dialog units sit where the template puts them, in order.
    const RECT press = UiDriver::RectInDialog(hMain, IDC_PRESS);
    const RECT disabled = UiDriver::RectInDialog(hMain, IDC_DISABLED);
    EXPECT_GT(press.left, 0);
    EXPECT_EQ(press.top, disabled.top);
    EXPECT_GT(disabled.left, press.right);

    EXPECT_THROW(UiDriver::ScreenRect(hMain, 4242), UiDriverError);
}

TEST_F(DriverWindows, ReadsVisibilityAndEnabledState) {
    EXPECT_TRUE(UiDriver::IsEnabled(hMain, IDC_PRESS));
    EXPECT_FALSE(UiDriver::IsEnabled(hMain, IDC_DISABLED));
    EXPECT_TRUE(UiDriver::IsVisible(hMain, IDC_DISABLED));
    EXPECT_TRUE(UiDriver::IsVisible(hMain, IDC_LABEL));
    EXPECT_FALSE(UiDriver::IsVisible(hMain, IDC_HIDDEN));
    for (HWND hWnd : {hMain, hPopup, hNested, hPrompt}) {
        EXPECT_TRUE(UiDriver::IsVisible(hWnd));
    }
}

TEST_F(DriverWindows, ClosingAPopupTakesThePopupsItOwnsAlong) {
    ui->Click(hPopup, IDC_POPUP_CLOSE);
    EXPECT_TRUE(ui->WaitForGone(hPopup, kReactMs));
    EXPECT_TRUE(ui->WaitForGone(hNested, kReactMs));
    EXPECT_EQ(AsSet(ui->Windows()), (std::set<HWND>{hMain, hPrompt}));
    EXPECT_FALSE(ui->WaitForGone(hMain, 100));
}

// ---- Mouse ----------------------------------------------------------------------------------

TEST_F(DriverMouse, ClicksLandWhereAskedAndTheProgramSeesTheCursorThere) {
    HWND hPress = UiDriver::Control(hMain, IDC_PRESS);
    ui->Click(hPress, POINT{5, 7});
    EXPECT_TRUE(WaitForStatus(L"pressed 1 at 5,7")) << UiDriverError::Utf8(Status());

    const RECT rc = UiDriver::ScreenRect(hPress);
    const POINT centre = Centre(rc);
    ui->Click(hMain, IDC_PRESS);
    const std::wstring expected = L"pressed 2 at " + std::to_wstring(centre.x - rc.left) + L"," +
                                  std::to_wstring(centre.y - rc.top);
    EXPECT_TRUE(WaitForStatus(expected)) << UiDriverError::Utf8(Status());
    POINT cursor{};
    GetCursorPos(&cursor);
    EXPECT_EQ(cursor.x, centre.x);
    EXPECT_EQ(cursor.y, centre.y);
}

TEST_F(DriverMouse, TwoClicksInARowAreNeverTakenForADoubleClick) {
    const RECT client = UiDriver::ClientRectOnScreen(hMain);
    const POINT pad{client.right - 60, client.bottom - 40};
    ASSERT_EQ(UiDriver::WindowAt(pad), hMain);
    ui->Click(pad);
    ui->Click(pad);
    ASSERT_TRUE(ui->WaitFor(
        [&] {
            const std::wstring history = History();
            return std::count(history.begin(), history.end(), L'|') == 2;
        },
        kReactMs))
        << UiDriverError::Utf8(History());
    EXPECT_EQ(History().find(L"double"), std::wstring::npos) << UiDriverError::Utf8(History());
}

TEST_F(DriverMouse, AClickOnADisabledButtonReachesTheDialogBeneath) {
    // As on Windows, a disabled control lets the press through to its parent: the host's empty
    // area takes it as a drag that went nowhere, and the button reports nothing.
    ui->Click(hMain, IDC_DISABLED);
    ui->Click(UiDriver::Control(hMain, IDC_PRESS), POINT{3, 3});
    ASSERT_TRUE(WaitForStatus(L"pressed 1 at 3,3"));
    const std::wstring history = History();
    EXPECT_EQ(history.find(L"disabled"), std::wstring::npos) << UiDriverError::Utf8(history);
    EXPECT_EQ(history.rfind(L"dragged 0,0 in ", 0), 0u) << UiDriverError::Utf8(history);
}

TEST_F(DriverMouse, DragsWithTheButtonHeldAllTheWay) {
    const RECT client = UiDriver::ClientRectOnScreen(hMain);
    // Empty client area, right of the swatch.
    const POINT from{client.right - 90, client.bottom - 50};
    ASSERT_EQ(UiDriver::WindowAt(from), hMain);
    ui->Drag(from, POINT{from.x + 60, from.y + 25});
    ASSERT_TRUE(ui->WaitFor([&] { return Status().rfind(L"dragged ", 0) == 0; }, kReactMs));
    const std::wstring status = Status();
    EXPECT_EQ(status.substr(0, status.find(L" in ")), L"dragged 60,25");
    const int nMoves = std::stoi(status.substr(status.find(L" in ") + 4));
    EXPECT_GE(nMoves, 10) << UiDriverError::Utf8(status);
}

TEST_F(DriverMouse, MouseDownAndUpHoldTheButtonInBetween) {
    const RECT client = UiDriver::ClientRectOnScreen(hMain);
    const POINT from{client.right - 90, client.bottom - 50};
    ASSERT_EQ(UiDriver::WindowAt(from), hMain);
    ui->MouseDown(from);
    ui->MoveTo(POINT{from.x + 30, from.y + 10});
    ui->MouseUp();
    ASSERT_TRUE(ui->WaitFor([&] { return Status().rfind(L"dragged ", 0) == 0; }, kReactMs));
    const std::wstring status = Status();
    EXPECT_EQ(status.substr(0, status.find(L" in ")), L"dragged 30,10");
}

TEST_F(DriverMouse, DraggingTheCaptionMovesTheWindow) {
    const RECT before = UiDriver::ScreenRect(hMain);
    const RECT client = UiDriver::ClientRectOnScreen(hMain);
    const POINT grip{client.left + 40, (before.top + client.top) / 2};
    ui->Drag(grip, POINT{grip.x + 70, grip.y + 50});
    EXPECT_TRUE(ui->WaitFor(
        [&] {
            const RECT now = UiDriver::ScreenRect(hMain);
            return now.left == before.left + 70 && now.top == before.top + 50;
        },
        kReactMs))
        << UiDriverError::Utf8(ui->Describe());
}

TEST_F(DriverMouse, DraggingACaptionBandMovesTheWindow) {
    // The prompt has no caption; a band of its client area answers hit tests as one.
    ASSERT_EQ(GetWindowLongPtrW(hPrompt, GWL_STYLE) & WS_CAPTION, WS_BORDER);
    const RECT before = UiDriver::ScreenRect(hPrompt);
    const RECT client = UiDriver::ClientRectOnScreen(hPrompt);
    const POINT grip{client.left + 40, client.top + HOST_BAND_CY / 2};
    ui->Drag(grip, POINT{grip.x + 70, grip.y + 50});
    EXPECT_TRUE(ui->WaitFor(
        [&] {
            const RECT now = UiDriver::ScreenRect(hPrompt);
            return now.left == before.left + 70 && now.top == before.top + 50;
        },
        kReactMs))
        << UiDriverError::Utf8(ui->Describe());
}

// ---- Keyboard -------------------------------------------------------------------------------

TEST_F(DriverKeyboard, TypesIntoTheFocusedEdit) {
    HWND hEdit = UiDriver::Control(hMain, IDC_EDIT);
    ui->Click(hEdit);
    ASSERT_TRUE(ui->WaitFor([&] { return UiDriver::FocusedControl(hMain) == hEdit; }, kReactMs));
    ui->Key(hMain, VK_END);
    ui->Type(hMain, L"xyz中文");
    ui->Key(hMain, VK_BACK);
    ui->Keys(hMain, {VK_SHIFT, 'Q'});
    EXPECT_TRUE(ui->WaitForText(hEdit, L"abcxyz中Q", kReactMs))
        << UiDriverError::Utf8(ui->Text(hEdit));
}

TEST_F(DriverKeyboard, KeysGoToTheWindowAskedFor) {
    // Enter in the main dialog presses its default button; Escape in the prompt cancels it.
    ui->Click(hMain, IDC_EDIT);
    ui->Key(hMain, VK_RETURN);
    ASSERT_TRUE(ui->WaitFor([&] { return Status().rfind(L"pressed 1 at ", 0) == 0; }, kReactMs));
    ui->Key(hPrompt, VK_ESCAPE);
    EXPECT_TRUE(WaitForStatus(L"prompt cancelled"));
    EXPECT_TRUE(ui->WaitForGone(hPrompt, kReactMs));
    EXPECT_TRUE(UiDriver::IsVisible(hMain));
}

TEST_F(DriverKeyboard, AChordClosesTheMainWindowAndTheProgramEnds) {
    ui->Keys(hMain, {VK_MENU, VK_F4});
    EXPECT_EQ(process->WaitForExit(kReactMs), std::optional<DWORD>(HOST_EXIT_CLOSE));
}

// ---- Pictures -------------------------------------------------------------------------------

TEST_F(DriverCapture, SavesTheDialogAsShownAndReadsItsPixels) {
    const std::wstring path = Artifact(L"host-dialog.png");
    DeleteFileW(path.c_str());
    const UiImage image = UiDriver::Capture(hMain, path);

    const RECT window = UiDriver::ScreenRect(hMain);
    EXPECT_EQ(image.Width(), window.right - window.left);
    EXPECT_EQ(image.Height(), window.bottom - window.top);

    // A PNG of that size: signature, then the IHDR's big-endian width and height.
    const std::string png = ReadBytes(path);
    ASSERT_GT(png.size(), 24u);
    EXPECT_EQ(png.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
    const auto be32 = [&png](std::size_t at) {
        unsigned value = 0;
        for (std::size_t i = at; i < at + 4; ++i) {
            value = (value << 8) | static_cast<unsigned char>(png[i]);
        }
        return value;
    };
    EXPECT_EQ(be32(16), static_cast<unsigned>(image.Width()));
    EXPECT_EQ(be32(20), static_cast<unsigned>(image.Height()));

    UiDriver::Capture(hPrompt, Artifact(L"host-prompt.png"));

    // The swatch: red on top, green below.
    const RECT swatch = UiDriver::ScreenRect(hMain, IDC_SWATCH);
    EXPECT_EQ(image.PixelAtScreen(POINT{swatch.left + 10, swatch.top + 5}), RGB(255, 0, 0));
    EXPECT_EQ(image.PixelAtScreen(POINT{swatch.right - 10, swatch.bottom - 5}), RGB(0, 255, 0));
    // Bare client area in the dialog colour.
    const RECT client = UiDriver::ClientRectOnScreen(hMain);
    EXPECT_EQ(image.PixelAtScreen(POINT{client.right - 20, client.bottom - 20}),
              GetSysColor(COLOR_3DFACE));

    EXPECT_THROW(image.Pixel(image.Width(), 0), UiDriverError);
    EXPECT_THROW(image.Pixel(0, -1), UiDriverError);
}

TEST_F(DriverCapture, APictureShowsWhatChangedOnTheScreen) {
    const RECT status = UiDriver::ScreenRect(hMain, IDC_STATUS);
    const UiImage before = UiImage::CaptureScreen(status);
    ui->Click(hMain, IDC_PRESS);
    ASSERT_TRUE(ui->WaitFor([&] { return Status().rfind(L"pressed", 0) == 0; }, kReactMs));
    ASSERT_TRUE(ui->WaitFor(
        [&] {
            const UiImage after = UiImage::CaptureScreen(status);
            for (int y = 0; y < after.Height(); ++y) {
                for (int x = 0; x < after.Width(); ++x) {
                    if (after.Pixel(x, y) != before.Pixel(x, y)) {
                        return true;
                    }
                }
            }
            return false;
        },
        kReactMs));
    UiDriver::Capture(hMain, Artifact(L"host-pressed.png"));
}

// ---- The program itself ---------------------------------------------------------------------

TEST_F(DriverProcess, AProgramThatStopsAnsweringFailsTheReadInsteadOfHangingIt) {
    UiDriver impatient(process->Id(), 500);
    HWND hStatus = UiDriver::Control(hMain, IDC_STATUS);
    ui->Click(hMain, IDC_HANG);
    Sleep(300); // the host is asleep in its click handler now, for about 4 s
    const ULONGLONG readMs =
        MillisecondsOf([&] { EXPECT_THROW(impatient.Text(hStatus), UiDriverError); });
    EXPECT_LT(readMs, 2500u);

    // A wait ends at its own timeout, busy program or not.
    bool bSeen = true;
    const ULONGLONG waitMs = MillisecondsOf([&] { bSeen = ui->WaitForText(hStatus, L"x", 400); });
    EXPECT_FALSE(bSeen);
    EXPECT_LT(waitMs, 1500u);

    // A longer one sees the program answer again.
    EXPECT_TRUE(ui->WaitForText(hStatus, L"answering again", 10000));
}

TEST_F(DriverProcess, QuittingEndsTheProgramWithItsExitCode) {
    ui->Click(hMain, IDC_QUIT);
    EXPECT_EQ(process->WaitForExit(kReactMs), std::optional<DWORD>(HOST_EXIT_QUIT));
    EXPECT_TRUE(ui->Windows(true).empty());
    EXPECT_THROW(ui->Text(hMain), UiDriverError);
    EXPECT_THROW(UiDriver::ScreenRect(hMain), UiDriverError);
}

TEST_F(DriverProcess, AProgramLeftRunningEndsWithItsObject) {
    HANDLE hWatch = OpenProcess(SYNCHRONIZE, FALSE, process->Id());
    ASSERT_NE(hWatch, nullptr);
    process.reset();
    EXPECT_EQ(WaitForSingleObject(hWatch, 0), WAIT_OBJECT_0);
    CloseHandle(hWatch);
}

TEST(DriverProcessStart, AProgramThatCannotStartRaises) {
    EXPECT_THROW(UiProcess(FolderOf(ThisProgram()) + L"\\NoSuchProgram.exe", L"", L""),
                 UiDriverError);
}

} // namespace
