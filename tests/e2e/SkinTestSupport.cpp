#include "SkinTestSupport.h"

#include "WinTestSupport.h"

void PrintTo(const PixelRect& rc, std::ostream* os) {
    *os << "(" << rc.left << "," << rc.top << ")-(" << rc.right << "," << rc.bottom << ")";
}

float ScreenScale() {
    HDC hDC = GetDC(nullptr);
    const int nDpi = GetDeviceCaps(hDC, LOGPIXELSY);
    ReleaseDC(nullptr, hDC);
    return FrameGeometry::ScaleForDpi(nDpi);
}

std::wstring Artifact(const std::wstring& name) {
    wchar_t folder[MAX_PATH] = {};
    const DWORD n = GetEnvironmentVariableW(L"KELVANE_E2E_ARTIFACTS", folder, MAX_PATH);
    return (n > 0 && n < MAX_PATH ? std::wstring(folder) : FolderOf(ThisProgram())) + L"\\" + name;
}

std::wstring BuiltProgram(const std::wstring& name) {
    std::wstring path = L"Z:" + FromUtf8(KELVANE_BIN_DIR) + L"/" + name;
    for (wchar_t& c : path) {
        c = c == L'/' ? L'\\' : c;
    }
    return path;
}

SkinWindow FindSkinWindow(const UiDriver& ui) {
    SkinWindow found;
    for (HWND hWnd : ui.Windows()) {
        if (UiDriver::Owner(hWnd) == nullptr) {
            found.hFrame = hWnd;
        }
    }
    for (HWND hWnd : ui.Windows()) {
        if (found.hFrame != nullptr && UiDriver::Owner(hWnd) == found.hFrame) {
            found.hContent = hWnd;
        }
    }
    if (found.hContent == nullptr) {
        found.hFrame = nullptr;
    }
    return found;
}

SkinWindow WaitForSkinWindow(const UiDriver& ui, DWORD timeoutMs) {
    SkinWindow found;
    UiDriver::WaitFor(
        [&] {
            found = FindSkinWindow(ui);
            return found.hContent != nullptr;
        },
        timeoutMs);
    return found;
}

bool Reaches(HWND hWnd, POINT pt) {
    const HWND hAt = UiDriver::WindowAt(pt);
    return hAt == hWnd || IsChild(hWnd, hAt);
}

bool IsSettled(const SkinWindow& window, const FramePairMetrics& pair, float fScale) {
    const PixelRect content = ToPixelRect(UiDriver::ScreenRect(window.hContent));
    if (content !=
        FrameGeometry::FollowRect(pair, ToPixelRect(UiDriver::ScreenRect(window.hFrame)), fScale)) {
        return false;
    }
    return UiDriver::IsVisible(window.hContent) &&
           Reaches(window.hContent, {content.left + 2, content.top + 2});
}

SkinSession::SkinSession(const std::wstring& desktopName)
    : desktop(std::make_unique<UiDesktop>(desktopName)), fScale(ScreenScale()),
      nDpi(static_cast<int>(fScale * 96.0f + 0.5f)) {}

SkinSession::~SkinSession() {
    if (process) {
        process->Terminate(0);
    }
}

void SkinSession::Start(const std::wstring& exe, const std::wstring& arguments,
                        const std::wstring& folder) {
    if (process) {
        process->Terminate(0);
    }
    window = {};
    process = std::make_unique<UiProcess>(exe, arguments, folder.empty() ? FolderOf(exe) : folder,
                                          desktop->Name());
    ui = std::make_unique<UiDriver>(process->Id());
}

testing::AssertionResult SkinSession::WaitForSkin(const FramePairMetrics& pair, DWORD timeoutMs) {
    window = WaitForSkinWindow(*ui, timeoutMs);
    if (window.hContent == nullptr) {
        return testing::AssertionFailure() << "no skinned window\n" << Describe();
    }
    // Placed after creation, the content follows within that move, a moment after the frame;
    // the system may count the content on top before the frame has shown it again, so give that
    // second show its moment too.
    const auto settled = [&] { return IsSettled(window, pair, fScale); };
    if (!UiDriver::WaitFor(settled, kSettleMs) ||
        (Sleep(500), !UiDriver::WaitFor(settled, kSettleMs))) {
        return testing::AssertionFailure() << "the skinned window did not settle\n" << Describe();
    }
    return testing::AssertionSuccess();
}

std::string SkinSession::Describe() const {
    return ui ? UiDriverError::Utf8(ui->Describe()) : std::string("no program");
}

std::wstring SkinSession::ShotPath(const std::wstring& name) const {
    return Artifact(name + L"-" + std::to_wstring(nDpi) + L"dpi.png");
}

UiImage SkinSession::Shot(HWND hWnd, const std::wstring& name) const {
    return UiDriver::Capture(hWnd, ShotPath(name));
}

UiImage SkinSession::ShotAround(std::initializer_list<HWND> windows,
                                const std::wstring& name) const {
    RECT around{};
    for (HWND hWnd : windows) {
        const RECT rc = UiDriver::ScreenRect(hWnd);
        UnionRect(&around, &around, &rc);
    }
    const int nMargin = Scale(12);
    InflateRect(&around, nMargin, nMargin);
    const RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    IntersectRect(&around, &around, &screen);
    return UiDriver::CaptureArea(around, ShotPath(name));
}

void SkinSession::DragBy(POINT from, int dx, int dy) {
    ui->Drag(from, {from.x + dx, from.y + dy});
    Sleep(300);
}
