list(APPEND KELVANE_WIN_SOURCES
    framework/Button.cpp
    framework/Dialog.cpp
    framework/GdiObject.cpp
    framework/PaintBuffer.cpp
    framework/Static.cpp
    framework/WinApp.cpp
    framework/Wnd.cpp
)
