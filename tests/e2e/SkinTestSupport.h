#pragma once

// What the end-to-end tests of the skinned windows share.
#include "UiDesktop.h"
#include "UiDriver.h"
#include "UiProcess.h"

#include "ui/FrameGeometry.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <ostream>
#include <string>

// Found by argument-dependent lookup, so beside the type.
void PrintTo(const PixelRect& rc, std::ostream* os);

// The skin's scale for the screen's dpi, as the programs under test compute it.
float ScreenScale();

// Where a test saves a picture: the folder KELVANE_E2E_ARTIFACTS names, else beside the test.
std::wstring Artifact(const std::wstring& name);
// A program the x86_64 tree builds into its bin folder (the tool, the gallery, the library).
std::wstring BuiltProgram(const std::wstring& name);

// A skinned window of the driven program: the frame that has no owner and the content popup it
// owns. Both stay null until both exist.
struct SkinWindow {
    HWND hFrame = nullptr;
    HWND hContent = nullptr;
};
SkinWindow FindSkinWindow(const UiDriver& ui);
// Waits up to timeoutMs for the program's skinned window; null handles on time-out.
SkinWindow WaitForSkinWindow(const UiDriver& ui, DWORD timeoutMs);
// The content has followed its frame to where the frame stands, is shown and the mouse reaches
// it (the frame shows its content once more right after it appears).
bool IsSettled(const SkinWindow& window, const FramePairMetrics& pair, float fScale);
// The mouse at pt reaches hWnd or one of its controls.
bool Reaches(HWND hWnd, POINT pt);

// One program under test, started on a desktop of its own and driven like a person: the screen's
// scale, the program, its driver and its skinned window. The program is ended with the session.
class SkinSession {
public:
    static constexpr DWORD kStartMs = 30000;
    static constexpr DWORD kSettleMs = 3000;

    explicit SkinSession(const std::wstring& desktopName);
    ~SkinSession();
    SkinSession(const SkinSession&) = delete;
    SkinSession& operator=(const SkinSession&) = delete;

    // Starts exe (full path) with arguments in folder (empty: the exe's own).
    void Start(const std::wstring& exe, const std::wstring& arguments,
               const std::wstring& folder = L"");
    // Waits until the program shows its skinned window of this pair and it has settled.
    testing::AssertionResult WaitForSkin(const FramePairMetrics& pair, DWORD timeoutMs = kStartMs);
    // What the driver knows of the program's windows, for a failure message.
    std::string Describe() const;

    int Scale(int nValue) const { return FrameGeometry::Scale(nValue, fScale); }
    PixelRect FrameRect() const { return ToPixelRect(UiDriver::ScreenRect(window.hFrame)); }
    PixelRect ContentRect() const { return ToPixelRect(UiDriver::ScreenRect(window.hContent)); }
    // A picture of hWnd saved as <name>-<dpi>dpi.png among the artifacts.
    UiImage Shot(HWND hWnd, const std::wstring& name) const;
    // The same for the screen around several windows: their union and a margin, on the screen.
    UiImage ShotAround(std::initializer_list<HWND> windows, const std::wstring& name) const;
    // Drags from pt by (dx, dy) as a hand would, then gives the program a moment.
    void DragBy(POINT from, int dx, int dy);

    std::unique_ptr<UiDesktop> desktop;
    std::unique_ptr<UiProcess> process;
    std::unique_ptr<UiDriver> ui;
    SkinWindow window;
    float fScale = 1.0f;
    int nDpi = 96;

private:
    std::wstring ShotPath(const std::wstring& name) const;
};
