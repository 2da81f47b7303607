# Image buttons and the check box.
list(APPEND KELVANE_WIN_SOURCES
)
