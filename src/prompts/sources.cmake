# The message prompt and the working prompt.
list(APPEND KELVANE_WIN_SOURCES
)
