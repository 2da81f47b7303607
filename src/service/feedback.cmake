# Sources of this part: list(APPEND KELVANE_CORE_SOURCES ...) for portable files, KELVANE_WIN_SOURCES for Windows ones.
