# Text and status labels and their fonts.
list(APPEND KELVANE_WIN_SOURCES
)
