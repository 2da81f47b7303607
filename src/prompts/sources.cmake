# The skinned modal dialogs: the message prompt, the working prompt and the problem-solving
# feedback dialog.
list(APPEND KELVANE_CORE_SOURCES
    prompts/FeedbackLayout.cpp
    prompts/PromptLayout.cpp
)
list(APPEND KELVANE_WIN_SOURCES
    prompts/ExecutePromptChildDlg.cpp
    prompts/ExecutePromptDlg.cpp
    prompts/ProblemSolvingFeedbackChildDlg.cpp
    prompts/ProblemSolvingFeedbackDlg.cpp
    prompts/PromptChildDlg.cpp
    prompts/PromptDlg.cpp
)
