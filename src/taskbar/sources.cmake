list(APPEND KELVANE_CORE_SOURCES
    taskbar/TaskbarSettingRule.cpp
    taskbar/TaskbarSizeCommand.cpp
)
list(APPEND KELVANE_WIN_SOURCES
    taskbar/TaskbarSizeSetter.cpp
)
