#include "SkinTestSupport.h"

#include "WinTestSupport.h"

void PrintTo(const PixelRect& rc, std::ostream* os) {
    *os << "(" << rc.left << "," << rc.top << ")-(" << rc.right << "," << rc.bottom << ")";
}

PixelRect ToPixels(const RECT& rc) {
    return {rc.left, rc.top, rc.right, rc.bottom};
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

bool IsSettled(const SkinWindow& window, const FramePairMetrics& pair, float fScale) {
    const PixelRect content = ToPixels(UiDriver::ScreenRect(window.hContent));
    if (content !=
        FrameGeometry::FollowRect(pair, ToPixels(UiDriver::ScreenRect(window.hFrame)), fScale)) {
        return false;
    }
    const HWND hAt = UiDriver::WindowAt({content.left + 2, content.top + 2});
    return UiDriver::IsVisible(window.hContent) &&
           (hAt == window.hContent || IsChild(window.hContent, hAt));
}
