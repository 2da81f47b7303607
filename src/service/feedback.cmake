# The feedback library binding; the stand-in library itself is built in feedback/.
list(APPEND KELVANE_WIN_SOURCES
    service/FeedbackDll.cpp
)
