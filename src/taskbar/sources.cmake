list(APPEND KELVANE_CORE_SOURCES
    taskbar/TaskbarSizeCommand.cpp
)
list(APPEND KELVANE_WIN_SOURCES
    taskbar/TaskbarSizeSetter.cpp
)
