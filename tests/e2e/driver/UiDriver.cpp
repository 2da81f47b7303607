#include "UiDriver.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <utility>

namespace {

struct WindowSearch {
    DWORD processId;
    bool bIncludeHidden;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND hWnd, LPARAM lParam) {
    auto* pSearch = reinterpret_cast<WindowSearch*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(hWnd, &owner);
    if (owner == pSearch->processId && (pSearch->bIncludeHidden || IsWindowVisible(hWnd))) {
        pSearch->found.push_back(hWnd);
    }
    return TRUE;
}

struct ControlSearch {
    int nId;
    HWND hFound;
};

BOOL CALLBACK FindById(HWND hWnd, LPARAM lParam) {
    auto* pSearch = reinterpret_cast<ControlSearch*>(lParam);
    if (GetDlgCtrlID(hWnd) == pSearch->nId) {
        pSearch->hFound = hWnd;
        return FALSE;
    }
    return TRUE;
}

std::wstring Hex(const void* p) {
    wchar_t text[32] = {};
    swprintf(text, 32, L"0x%llx",
             static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(p)));
    return text;
}

std::wstring RectText(const RECT& rc) {
    return L"(" + std::to_wstring(rc.left) + L"," + std::to_wstring(rc.top) + L")-(" +
           std::to_wstring(rc.right) + L"," + std::to_wstring(rc.bottom) + L")";
}

bool IsExtendedKey(WORD vk) {
    switch (vk) {
    case VK_INSERT:
    case VK_DELETE:
    case VK_HOME:
    case VK_END:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
    case VK_RCONTROL:
    case VK_RMENU:
    case VK_LWIN:
    case VK_RWIN:
    case VK_APPS:
    case VK_NUMLOCK:
    case VK_DIVIDE:
    case VK_SNAPSHOT:
        return true;
    default:
        return false;
    }
}

INPUT KeyInput(WORD vk, bool bUp) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
    input.ki.dwFlags =
        (IsExtendedKey(vk) ? KEYEVENTF_EXTENDEDKEY : 0u) | (bUp ? KEYEVENTF_KEYUP : 0u);
    return input;
}

} // namespace

UiDriver::UiDriver(DWORD processId, DWORD messageTimeoutMs)
    : m_processId(processId), m_messageTimeoutMs(messageTimeoutMs) {}

// ---- The program's windows ------------------------------------------------------------------

std::vector<HWND> UiDriver::Windows(bool bIncludeHidden) const {
    WindowSearch search{m_processId, bIncludeHidden, {}};
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::vector<HWND> UiDriver::OwnedWindows(HWND hOwner) const {
    std::vector<HWND> owned;
    for (HWND hWnd : Windows()) {
        if (Owner(hWnd) == hOwner) {
            owned.push_back(hWnd);
        }
    }
    return owned;
}

HWND UiDriver::Owner(HWND hWnd) {
    return GetWindow(hWnd, GW_OWNER);
}

std::vector<HWND> UiDriver::OwnerChain(HWND hWnd) {
    std::vector<HWND> chain;
    // Owner loops cannot be built, but a bound costs nothing.
    for (HWND h = hWnd; h != nullptr && chain.size() < 64; h = Owner(h)) {
        chain.push_back(h);
    }
    return chain;
}

HWND UiDriver::FindWindowByTitle(const std::wstring& title) const {
    return FindWindowMatching([&title](HWND hWnd) { return Title(hWnd) == title; });
}

HWND UiDriver::FindWindowMatching(const std::function<bool(HWND)>& match) const {
    for (HWND hWnd : Windows()) {
        if (match(hWnd)) {
            return hWnd;
        }
    }
    return nullptr;
}

HWND UiDriver::WaitForWindow(const std::wstring& title, DWORD timeoutMs) const {
    return WaitForWindow([&title](HWND hWnd) { return Title(hWnd) == title; }, timeoutMs);
}

HWND UiDriver::WaitForWindow(const std::function<bool(HWND)>& match, DWORD timeoutMs) const {
    HWND hFound = nullptr;
    WaitFor([&] { return (hFound = FindWindowMatching(match)) != nullptr; }, timeoutMs);
    return hFound;
}

bool UiDriver::WaitForGone(HWND hWnd, DWORD timeoutMs) const {
    return WaitFor([hWnd] { return !IsWindow(hWnd) || !IsWindowVisible(hWnd); }, timeoutMs);
}

std::wstring UiDriver::Title(HWND hWnd) {
    const int n = GetWindowTextLengthW(hWnd);
    std::wstring text(static_cast<std::size_t>(n > 0 ? n : 0) + 1, L'\0');
    const int nCopied = GetWindowTextW(hWnd, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(nCopied > 0 ? nCopied : 0));
    return text;
}

std::wstring UiDriver::ClassName(HWND hWnd) {
    wchar_t name[256] = {};
    const int n = GetClassNameW(hWnd, name, 256);
    return std::wstring(name, static_cast<std::size_t>(n > 0 ? n : 0));
}

std::wstring UiDriver::Describe() const {
    std::wstring text = L"windows of process " + std::to_wstring(m_processId) + L":\n";
    for (HWND hWnd : Windows(true)) {
        // For failure messages: a window gone meanwhile must not raise a second error.
        RECT rc{};
        GetWindowRect(hWnd, &rc);
        text += L"  " + Describe(hWnd) + L" owner " + Hex(Owner(hWnd)) +
                (IsWindowVisible(hWnd) ? L" visible " : L" hidden ") + RectText(rc) + L"\n";
    }
    return text;
}

std::wstring UiDriver::Describe(HWND hWnd) {
    if (!IsWindow(hWnd)) {
        return Hex(hWnd) + L" (no such window)";
    }
    std::wstring text = Hex(hWnd) + L" \"" + Title(hWnd) + L"\" " + ClassName(hWnd);
    if ((GetWindowLongPtrW(hWnd, GWL_STYLE) & WS_CHILD) != 0) {
        text += L" id " + std::to_wstring(GetDlgCtrlID(hWnd));
    }
    return text;
}

// ---- Controls -------------------------------------------------------------------------------

HWND UiDriver::FindControl(HWND hDialog, int nId) {
    if (HWND hItem = GetDlgItem(hDialog, nId)) {
        return hItem;
    }
    ControlSearch search{nId, nullptr};
    EnumChildWindows(hDialog, FindById, reinterpret_cast<LPARAM>(&search));
    return search.hFound;
}

HWND UiDriver::Control(HWND hDialog, int nId) {
    HWND hItem = FindControl(hDialog, nId);
    if (hItem == nullptr) {
        throw UiDriverError(L"no control with id " + std::to_wstring(nId) + L" in " +
                            Describe(hDialog));
    }
    return hItem;
}

std::wstring UiDriver::Text(HWND hWnd) const {
    std::wstring text;
    if (!TryText(hWnd, m_messageTimeoutMs, &text)) {
        const DWORD error = GetLastError();
        throw UiDriverError(L"WM_GETTEXT to " + Describe(hWnd) + L" got no answer within " +
                            std::to_wstring(m_messageTimeoutMs) + L" ms (error " +
                            std::to_wstring(error) + L")");
    }
    return text;
}

bool UiDriver::TryText(HWND hWnd, DWORD timeoutMs, std::wstring* pText) {
    if (!IsWindow(hWnd)) {
        throw UiDriverError(L"cannot read the text of " + Describe(hWnd));
    }
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(hWnd, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, timeoutMs, &length)) {
        return false;
    }
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(hWnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                             SMTO_ABORTIFHUNG, timeoutMs, &copied)) {
        return false;
    }
    text.resize(copied < text.size() ? static_cast<std::size_t>(copied) : text.size() - 1);
    *pText = std::move(text);
    return true;
}

RECT UiDriver::ScreenRect(HWND hWnd) {
    RECT rc{};
    if (!GetWindowRect(hWnd, &rc)) {
        throw UiDriverError(L"no rectangle for " + Describe(hWnd));
    }
    return rc;
}

RECT UiDriver::RectInDialog(HWND hControl, HWND hDialog) {
    const RECT rc = ScreenRect(hControl);
    POINT corners[2] = {{rc.left, rc.top}, {rc.right, rc.bottom}};
    SetLastError(0);
    if (MapWindowPoints(HWND_DESKTOP, hDialog, corners, 2) == 0 && GetLastError() != 0) {
        throw UiDriverError(L"cannot map into " + Describe(hDialog));
    }
    return RECT{corners[0].x, corners[0].y, corners[1].x, corners[1].y};
}

RECT UiDriver::ClientRectOnScreen(HWND hWnd) {
    RECT rc{};
    if (!GetClientRect(hWnd, &rc)) {
        throw UiDriverError(L"no client area for " + Describe(hWnd));
    }
    POINT corners[2] = {{rc.left, rc.top}, {rc.right, rc.bottom}};
    MapWindowPoints(hWnd, HWND_DESKTOP, corners, 2);
    return RECT{corners[0].x, corners[0].y, corners[1].x, corners[1].y};
}

bool UiDriver::IsVisible(HWND hWnd) {
    return IsWindowVisible(hWnd) != FALSE;
}

bool UiDriver::IsEnabled(HWND hWnd) {
    return IsWindowEnabled(hWnd) != FALSE;
}

HWND UiDriver::FocusedControl(HWND hWnd) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    return GetGUIThreadInfo(GetWindowThreadProcessId(hWnd, nullptr), &info) ? info.hwndFocus
                                                                            : nullptr;
}

HWND UiDriver::ForegroundWindow() {
    return GetForegroundWindow();
}

HWND UiDriver::WindowAt(POINT pt) {
    return WindowFromPoint(pt);
}

// ---- Waiting --------------------------------------------------------------------------------

bool UiDriver::WaitFor(const std::function<bool()>& condition, DWORD timeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        if (condition()) {
            return true;
        }
        if (GetTickCount64() >= deadline) {
            return false;
        }
        Sleep(kPollMs);
    }
}

bool UiDriver::WaitForText(HWND hWnd, const std::wstring& text, DWORD timeoutMs) const {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    return WaitFor(
        [&] {
            const ULONGLONG now = GetTickCount64();
            const DWORD left = now < deadline ? static_cast<DWORD>(deadline - now) : 0;
            std::wstring current;
            return TryText(hWnd, left < m_messageTimeoutMs ? left + 1 : m_messageTimeoutMs,
                           &current) &&
                   current == text;
        },
        timeoutMs);
}

// ---- Mouse ----------------------------------------------------------------------------------

void UiDriver::SendInputs(INPUT* pInputs, UINT nCount) const {
    if (SendInput(nCount, pInputs, sizeof(INPUT)) != nCount) {
        throw UiDriverError(L"SendInput refused the input: error " +
                            std::to_wstring(GetLastError()));
    }
}

void UiDriver::MoveTo(POINT pt) const {
    // Absolute input is in 1/65536 of the primary screen; round up so it maps back onto pt.
    const LONGLONG cx = GetSystemMetrics(SM_CXSCREEN);
    const LONGLONG cy = GetSystemMetrics(SM_CYSCREEN);
    INPUT move{};
    move.type = INPUT_MOUSE;
    move.mi.dx = static_cast<LONG>((pt.x * 65536LL + cx - 1) / cx);
    move.mi.dy = static_cast<LONG>((pt.y * 65536LL + cy - 1) / cy);
    move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    POINT now{};
    const auto there = [&now, pt] {
        GetCursorPos(&now);
        return now.x == pt.x && now.y == pt.y;
    };
    // Under Wine a program handling older pointer events from the X server late (a window
    // mapped under the pointer) puts the cursor back where those events saw it: move again
    // until the cursor stays.
    for (int nTry = 0; nTry < 10; ++nTry) {
        if (!SetCursorPos(pt.x, pt.y)) {
            throw UiDriverError(L"SetCursorPos(" + std::to_wstring(pt.x) + L", " +
                                std::to_wstring(pt.y) + L") failed");
        }
        Sleep(kInputPauseMs);
        SendInputs(&move, 1);
        Sleep(kInputPauseMs);
        if (there()) {
            Sleep(kInputPauseMs);
            if (there()) {
                return;
            }
        }
    }
    throw UiDriverError(L"the cursor went to (" + std::to_wstring(now.x) + L", " +
                        std::to_wstring(now.y) + L") instead of (" + std::to_wstring(pt.x) + L", " +
                        std::to_wstring(pt.y) + L")");
}

void UiDriver::MouseButton(DWORD dwFlags) const {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = dwFlags;
    SendInputs(&input, 1);
    Sleep(kInputPauseMs);
}

void UiDriver::SpaceOutFromLastClick(POINT pt) {
    const DWORD interval = GetDoubleClickTime();
    const DWORD elapsed = GetTickCount() - m_lastClickTick;
    if (m_bClicked && elapsed <= interval &&
        std::abs(pt.x - m_lastClickPoint.x) <= GetSystemMetrics(SM_CXDOUBLECLK) &&
        std::abs(pt.y - m_lastClickPoint.y) <= GetSystemMetrics(SM_CYDOUBLECLK)) {
        Sleep(interval - elapsed + 1);
    }
}

void UiDriver::Click(POINT pt) {
    SpaceOutFromLastClick(pt);
    MoveTo(pt);
    MouseButton(MOUSEEVENTF_LEFTDOWN);
    MouseButton(MOUSEEVENTF_LEFTUP);
    m_bClicked = true;
    m_lastClickTick = GetTickCount();
    m_lastClickPoint = pt;
}

void UiDriver::Click(HWND hWnd) {
    const RECT rc = ScreenRect(hWnd);
    Click(POINT{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2});
}

void UiDriver::Click(HWND hWnd, POINT offset) {
    const RECT rc = ScreenRect(hWnd);
    Click(POINT{rc.left + offset.x, rc.top + offset.y});
}

void UiDriver::Drag(POINT from, POINT to, int nSteps) {
    SpaceOutFromLastClick(from);
    MoveTo(from);
    MouseButton(MOUSEEVENTF_LEFTDOWN);
    const int nMoves = nSteps > 0 ? nSteps : 1;
    for (int i = 1; i <= nMoves; ++i) {
        MoveTo(POINT{from.x + (to.x - from.x) * i / nMoves, from.y + (to.y - from.y) * i / nMoves});
    }
    MouseButton(MOUSEEVENTF_LEFTUP);
    // A press that ends elsewhere is no first half of a double click.
    m_bClicked = false;
}

void UiDriver::MouseDown(POINT pt) {
    SpaceOutFromLastClick(pt);
    MoveTo(pt);
    MouseButton(MOUSEEVENTF_LEFTDOWN);
    m_bPressed = true;
    m_pressPoint = pt;
}

void UiDriver::MouseUp() {
    MouseButton(MOUSEEVENTF_LEFTUP);
    POINT pt{};
    GetCursorPos(&pt);
    // Released where it was pressed, the system may pair it with the next press.
    m_bClicked = m_bPressed && pt.x == m_pressPoint.x && pt.y == m_pressPoint.y;
    m_bPressed = false;
    m_lastClickTick = GetTickCount();
    m_lastClickPoint = pt;
}

// ---- Keyboard -------------------------------------------------------------------------------

bool UiDriver::BringToForeground(HWND hWnd, DWORD timeoutMs) const {
    HWND hTop = GetAncestor(hWnd, GA_ROOT);
    if (hTop == nullptr) {
        return false;
    }
    if (GetForegroundWindow() == hTop) {
        return true;
    }
    SetForegroundWindow(hTop);
    return WaitFor([hTop] { return GetForegroundWindow() == hTop; }, timeoutMs);
}

void UiDriver::RequireForeground(HWND hWnd) const {
    if (!BringToForeground(hWnd)) {
        throw UiDriverError(L"cannot bring " + Describe(GetAncestor(hWnd, GA_ROOT)) +
                            L" to the foreground; it is " + Describe(GetForegroundWindow()));
    }
}

void UiDriver::Key(HWND hWnd, WORD vk) const {
    Keys(hWnd, {vk});
}

void UiDriver::Keys(HWND hWnd, std::initializer_list<WORD> chord) const {
    RequireForeground(hWnd);
    for (WORD vk : chord) {
        INPUT input = KeyInput(vk, false);
        SendInputs(&input, 1);
        Sleep(kInputPauseMs);
    }
    for (auto it = std::rbegin(chord); it != std::rend(chord); ++it) {
        INPUT input = KeyInput(*it, true);
        SendInputs(&input, 1);
        Sleep(kInputPauseMs);
    }
}

void UiDriver::Type(HWND hWnd, const std::wstring& text) const {
    RequireForeground(hWnd);
    for (wchar_t ch : text) {
        INPUT inputs[2] = {};
        for (INPUT& input : inputs) {
            input.type = INPUT_KEYBOARD;
            input.ki.wScan = static_cast<WORD>(ch);
            input.ki.dwFlags = KEYEVENTF_UNICODE;
        }
        inputs[1].ki.dwFlags |= KEYEVENTF_KEYUP;
        SendInputs(inputs, 2);
        Sleep(kInputPauseMs);
    }
}

// ---- Pictures -------------------------------------------------------------------------------

UiImage UiDriver::Capture(HWND hWnd, const std::wstring& pngPath) {
    return CaptureArea(ScreenRect(hWnd), pngPath);
}

UiImage UiDriver::CaptureArea(const RECT& rc, const std::wstring& pngPath) {
    UiImage image = UiImage::CaptureScreen(rc);
    for (int nTry = 0; nTry < 20; ++nTry) {
        Sleep(100);
        UiImage again = UiImage::CaptureScreen(rc);
        const bool bSettled = again.SamePixels(image);
        image = std::move(again);
        if (bSettled) {
            break;
        }
    }
    image.SavePng(pngPath);
    return image;
}
