list(APPEND KELVANE_WIN_SOURCES
    taskbar/TaskbarSizeSetter.cpp
)
