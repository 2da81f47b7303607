#pragma once

#include "UiDriverError.h"
#include "UiImage.h"

#include <windows.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

// Drives the windows of one running program the way a person and a UI-automation tool do: it
// finds the program's windows, reads what its controls show, and acts only through the real
// input queue (SendInput), so the program sees the same messages, cursor positions and focus
// changes as when a person uses it.
//
// Windows. A program's top-level windows are the unowned ones (main windows, prompts) and the
// owned popups (dialogs owned by a window or by another popup; see Owner and OwnerChain). All
// of them are found with EnumWindows and the process id; controls inside a dialog by their id.
//
// Coordinates. Screen pixels unless a name says otherwise; "in dialog" means relative to the
// top-left of the dialog's client area, the space a dialog template lays its controls out in.
//
// Timeouts. Nothing here blocks without a bound:
//  - reading a control's text sends WM_GETTEXT with SendMessageTimeout; a target that does not
//    answer within the driver's message timeout (constructor, default 2 s) raises UiDriverError;
//  - the WaitFor family polls every 25 ms and gives up after its timeout, answering false or
//    nullptr (the caller decides whether that is a failure), never throwing for the timeout;
//  - keyboard calls first bring the target to the foreground and raise UiDriverError if it is
//    not there within 2 s;
//  - mouse and keyboard calls pause briefly between input events (about 30 ms each), as a
//    person's hand would, and return once the input is queued; wait for the effect with WaitFor.
// Errors that mean the test cannot go on (no such control, a window that is gone, input the
// system refused) raise UiDriverError, which GoogleTest reports as the test's failure.
//
// Under Wine, start the program on a UiDesktop and drive it from there: Wine then runs caption
// drags itself, as Windows does. On the default desktop the X window manager owns every caption
// drag (a band answering HTCAPTION included) and waits for an X button that SendInput never
// presses, so such drags do nothing; everything else here works on either desktop.
//
// The cursor, the foreground and the screen are shared: tests using this driver must not run at
// the same time as each other (ctest: RESOURCE_LOCK kelvane_display).
class UiDriver {
public:
    static constexpr DWORD kDefaultMessageTimeoutMs = 2000;
    static constexpr DWORD kPollMs = 25;
    static constexpr DWORD kForegroundTimeoutMs = 2000;
    static constexpr DWORD kInputPauseMs = 30;

    // Drives the windows of the process with this id.
    explicit UiDriver(DWORD processId, DWORD messageTimeoutMs = kDefaultMessageTimeoutMs);

    DWORD ProcessId() const { return m_processId; }

    // ---- The program's windows ----------------------------------------------------------

    // Its top-level windows, unowned and owned alike, front to back; visible ones only unless
    // bIncludeHidden.
    std::vector<HWND> Windows(bool bIncludeHidden = false) const;
    // Its visible windows whose owner is hOwner (direct ones only; walk further with Owner).
    std::vector<HWND> OwnedWindows(HWND hOwner) const;
    // The window that owns hWnd (GW_OWNER), nullptr for an unowned one.
    static HWND Owner(HWND hWnd);
    // hWnd, its owner, that one's owner, ... up to the unowned window at the top.
    static std::vector<HWND> OwnerChain(HWND hWnd);
    // The first visible window (front to back) whose title is exactly title, or nullptr.
    HWND FindWindowByTitle(const std::wstring& title) const;
    // The first visible window for which match answers true, or nullptr.
    HWND FindWindowMatching(const std::function<bool(HWND)>& match) const;
    // FindWindowByTitle / FindWindowMatching, repeated until it finds one or timeoutMs has passed
    // (then nullptr).
    HWND WaitForWindow(const std::wstring& title, DWORD timeoutMs) const;
    HWND WaitForWindow(const std::function<bool(HWND)>& match, DWORD timeoutMs) const;
    // True once hWnd is destroyed or hidden, false if it is still shown after timeoutMs.
    bool WaitForGone(HWND hWnd, DWORD timeoutMs) const;
    // The caption the system keeps for hWnd (GetWindowTextW: for another process's window this
    // sends no message, so it answers even while the program is busy).
    static std::wstring Title(HWND hWnd);
    static std::wstring ClassName(HWND hWnd);
    // One line per window of the program (hidden ones too): handle, title, class, owner,
    // visibility and rectangle. For failure messages.
    std::wstring Describe() const;

    // ---- Controls -----------------------------------------------------------------------

    // The control with this id in hDialog (GetDlgItem, then any deeper descendant), or nullptr.
    static HWND FindControl(HWND hDialog, int nId);
    // FindControl that raises UiDriverError when there is no such control.
    static HWND Control(HWND hDialog, int nId);
    // The window's text as it answers WM_GETTEXT; raises UiDriverError if hWnd is gone or does
    // not answer within the message timeout.
    std::wstring Text(HWND hWnd) const;
    // Text, but false instead of an error when hWnd does not answer within timeoutMs.
    static bool TryText(HWND hWnd, DWORD timeoutMs, std::wstring* pText);
    std::wstring Text(HWND hDialog, int nId) const { return Text(Control(hDialog, nId)); }
    // The window's rectangle on the screen (GetWindowRect).
    static RECT ScreenRect(HWND hWnd);
    static RECT ScreenRect(HWND hDialog, int nId) { return ScreenRect(Control(hDialog, nId)); }
    // The control's rectangle relative to hDialog's client area.
    static RECT RectInDialog(HWND hControl, HWND hDialog);
    static RECT RectInDialog(HWND hDialog, int nId) {
        return RectInDialog(Control(hDialog, nId), hDialog);
    }
    // The window's client area in screen coordinates.
    static RECT ClientRectOnScreen(HWND hWnd);
    // Shown, with all its ancestors shown too (IsWindowVisible; covered windows count as shown).
    static bool IsVisible(HWND hWnd);
    static bool IsVisible(HWND hDialog, int nId) { return IsVisible(Control(hDialog, nId)); }
    // Takes input (IsWindowEnabled of the window itself).
    static bool IsEnabled(HWND hWnd);
    static bool IsEnabled(HWND hDialog, int nId) { return IsEnabled(Control(hDialog, nId)); }
    // The control holding the keyboard focus in hWnd's thread, or nullptr.
    static HWND FocusedControl(HWND hWnd);
    // The foreground window of the whole desktop, whatever process owns it.
    static HWND ForegroundWindow();
    // The window a click at pt would reach (WindowFromPoint): to check nothing covers a target.
    static HWND WindowAt(POINT pt);

    // ---- Waiting ------------------------------------------------------------------------

    // Calls condition every 25 ms until it answers true (then true) or timeoutMs has passed
    // (then false). It is called at least once; what it throws passes through.
    static bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs);
    // True once hWnd's text (WM_GETTEXT) is text; false after timeoutMs. A program too busy to
    // answer for a while is waited for within timeoutMs; a window that is gone raises.
    bool WaitForText(HWND hWnd, const std::wstring& text, DWORD timeoutMs) const;

    // ---- Mouse --------------------------------------------------------------------------

    // Puts the cursor at pt: SetCursorPos, then a real absolute move through SendInput, so the
    // program sees the move (hover) and GetCursorPos answers pt. Moves again (up to 10 times)
    // until the cursor stays there, then raises UiDriverError.
    void MoveTo(POINT pt) const;
    // A left click at pt: MoveTo, button down, button up. A click closer than the double-click
    // time to the previous one at the same place first waits that time out, so two Clicks are
    // never taken for a double click.
    void Click(POINT pt);
    // A left click at the centre of hWnd's window rectangle, or at offset from its top-left.
    void Click(HWND hWnd);
    void Click(HWND hWnd, POINT offset);
    void Click(HWND hDialog, int nId) { Click(Control(hDialog, nId)); }
    // Button down at from, nSteps MoveTo steps along the straight line, button up at to.
    void Drag(POINT from, POINT to, int nSteps = 10);
    // The two halves of a click, for looking at what a pressed control shows: MouseDown moves
    // to pt and presses the left button (spaced out from a previous click like Click); MouseUp
    // releases it wherever the cursor is then. A MouseDown and MouseUp at the same place count
    // as a click for the double-click spacing of the next Click.
    void MouseDown(POINT pt);
    void MouseUp();

    // ---- Keyboard -----------------------------------------------------------------------

    // Makes hWnd's top-level window the foreground one (SetForegroundWindow) and waits up to
    // timeoutMs for the system to agree; false if it does not.
    bool BringToForeground(HWND hWnd, DWORD timeoutMs = kForegroundTimeoutMs) const;
    // Presses and releases one key (virtual-key code) with hWnd's top-level window in the
    // foreground; the key goes to the control holding the focus there. Raises UiDriverError if
    // the window cannot be brought to the foreground.
    void Key(HWND hWnd, WORD vk) const;
    // Presses the keys in order and releases them in reverse: {VK_MENU, VK_F4} is Alt+F4.
    void Keys(HWND hWnd, std::initializer_list<WORD> chord) const;
    // Types text character by character as Unicode key input (any script, no keyboard layout
    // involved), into the focused control of hWnd's top-level window.
    void Type(HWND hWnd, const std::wstring& text) const;

    // ---- Pictures -----------------------------------------------------------------------

    // Captures what the screen shows under hWnd's window rectangle and saves it as a PNG at
    // pngPath (folders created); returns the picture for pixel checks. A window still being
    // drawn is waited for: it takes pictures every 100 ms until two in a row are the same (up to
    // 2 s; a window that keeps changing, such as an animation, is taken as it is then).
    static UiImage Capture(HWND hWnd, const std::wstring& pngPath);
    // The same for a rectangle of the screen (screen coordinates), e.g. around several windows.
    static UiImage CaptureArea(const RECT& rc, const std::wstring& pngPath);

    // Text for a failure message: handle, title, class and control id.
    static std::wstring Describe(HWND hWnd);

private:
    void SendInputs(INPUT* pInputs, UINT nCount) const;
    void MouseButton(DWORD dwFlags) const;
    void SpaceOutFromLastClick(POINT pt);
    void RequireForeground(HWND hWnd) const;

    DWORD m_processId;
    DWORD m_messageTimeoutMs;
    DWORD m_lastClickTick = 0;
    POINT m_lastClickPoint{};
    bool m_bClicked = false;
    bool m_bPressed = false;
    POINT m_pressPoint{};
};
