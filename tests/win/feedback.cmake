# The stand-in feedback library for the binding's tests: a copy of its test build beside the
# test program, where the product path finds it, and variants that each lack one export (never
# installed). The shipped build is tested too (FeedbackLibraryTest).
set(KELVANE_FEEDBACK_BESIDE_TESTS ${CMAKE_CURRENT_BINARY_DIR}/OstrelFeedbackInformation.dll)
add_custom_command(OUTPUT ${KELVANE_FEEDBACK_BESIDE_TESTS}
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:OstrelFeedbackInformationTest>
        ${KELVANE_FEEDBACK_BESIDE_TESTS}
    DEPENDS OstrelFeedbackInformationTest $<TARGET_FILE:OstrelFeedbackInformationTest>)
add_custom_target(feedback_beside_tests DEPENDS ${KELVANE_FEEDBACK_BESIDE_TESTS})
add_dependencies(kelvane_win_tests feedback_beside_tests OstrelFeedbackInformation)

foreach(missing WriteCustomerFeedbackInfoFile OpenUseAgreementUrl)
    kelvane_feedback_library(feedback_without_${missing}
        ${CMAKE_CURRENT_BINARY_DIR}/feedback-variants/without-${missing} MISSING ${missing}
        TEST_HOOKS)
    add_dependencies(kelvane_win_tests feedback_without_${missing})
endforeach()

# A variant that imports a helper DLL lying beside it, as a maker's library brings its runtime;
# the end-to-end tests start the tool with both.
set(KELVANE_FEEDBACK_WITH_HELPER ${CMAKE_BINARY_DIR}/test-library/with-helper)
add_library(feedback_helper SHARED FeedbackHelper.cpp)
kelvane_target(feedback_helper)
target_compile_definitions(feedback_helper PRIVATE KELVANE_FEEDBACK_HELPER)
set_target_properties(feedback_helper PROPERTIES PREFIX "" OUTPUT_NAME OstrelFeedbackHelper
    RUNTIME_OUTPUT_DIRECTORY ${KELVANE_FEEDBACK_WITH_HELPER})
kelvane_feedback_library(feedback_with_helper ${KELVANE_FEEDBACK_WITH_HELPER} TEST_HOOKS)
target_sources(feedback_with_helper PRIVATE FeedbackHelper.cpp)
target_link_libraries(feedback_with_helper PRIVATE feedback_helper)
