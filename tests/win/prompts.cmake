# The prompts run for real in the Windows test program: it carries the product's dialog
# templates for them.
target_sources(kelvane_win_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/PromptDialogs.rc)
set_source_files_properties(PromptDialogs.rc PROPERTIES
    OBJECT_DEPENDS "${PROJECT_SOURCE_DIR}/src/res/Dialogs.rc2")
