# The feedback library binding; the stand-in library itself is built in feedback/.
list(APPEND KELVANE_WIN_SOURCES
    service/FeedbackDll.cpp
    service/ProblemSolvingFeedbackChildDlg.cpp
    service/ProblemSolvingFeedbackDlg.cpp
)
# The problem-solving feedback dialog's layout.
list(APPEND KELVANE_CORE_SOURCES
    service/FeedbackLayout.cpp
)
