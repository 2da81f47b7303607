#pragma once

#include <windows.h>

#include <string>

// A desktop of its own for the program under test and for the calling thread, which drives it.
//
// Under Wine a desktop other than the default one, given a size, becomes a virtual desktop:
// Wine itself then draws the captions and runs the move loop, as Windows does, instead of the X
// window manager. That matters for input made with SendInput, which never reaches the X server:
// with the window manager in charge, pressing a caption (or a band that answers HTCAPTION)
// hands the drag to it, and it waits for a real X button that is never pressed. On a desktop of
// its own every drag works, the foreground is Wine's alone, and pictures come from Wine's own
// drawing, whatever other windows the X display shows.
//
// On Windows a second desktop would be invisible and get no input, so there the object does
// nothing and Name() is empty: the program starts on the current desktop.
//
// The calling thread must own no windows yet. Start the program with UiProcess's desktop
// argument set to Name(). Everything this thread does with windows, input and the screen then
// happens on this desktop, until the object goes away and the thread returns to its old desktop.
class UiDesktop {
public:
    // Creates or opens the desktop called name, as large as the current screen, and moves the
    // calling thread onto it. Throws UiDriverError on failure. Under Wine the size is written to
    // HKCU\Software\Wine\Explorer\Desktops\<name> first, where Wine looks for it.
    explicit UiDesktop(const std::wstring& name);
    ~UiDesktop();
    UiDesktop(const UiDesktop&) = delete;
    UiDesktop& operator=(const UiDesktop&) = delete;

    const std::wstring& Name() const { return m_name; }

private:
    std::wstring m_name;
    HDESK m_hDesktop = nullptr;
    HDESK m_hPrevious = nullptr;
};
