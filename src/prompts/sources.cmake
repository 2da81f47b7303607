# The message prompt and the working prompt.
list(APPEND KELVANE_CORE_SOURCES
    prompts/PromptLayout.cpp
)
list(APPEND KELVANE_WIN_SOURCES
    prompts/ExecutePromptChildDlg.cpp
    prompts/ExecutePromptDlg.cpp
    prompts/PromptChildDlg.cpp
    prompts/PromptDlg.cpp
)
