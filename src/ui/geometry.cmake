list(APPEND KELVANE_CORE_SOURCES
    ui/FrameGeometry.cpp
)
list(APPEND KELVANE_WIN_SOURCES
    ui/FrameContentDlg.cpp
    ui/LayeredFrameDlg.cpp
)
