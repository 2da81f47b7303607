# The stand-in feedback library for the binding's tests: a copy beside the test program, where
# the product path finds it, and variants that each lack one export (never installed).
set(KELVANE_FEEDBACK_BESIDE_TESTS ${CMAKE_CURRENT_BINARY_DIR}/OstrelFeedbackInformation.dll)
add_custom_command(OUTPUT ${KELVANE_FEEDBACK_BESIDE_TESTS}
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:OstrelFeedbackInformation>
        ${KELVANE_FEEDBACK_BESIDE_TESTS}
    DEPENDS OstrelFeedbackInformation $<TARGET_FILE:OstrelFeedbackInformation>)
add_custom_target(feedback_beside_tests DEPENDS ${KELVANE_FEEDBACK_BESIDE_TESTS})
add_dependencies(kelvane_win_tests feedback_beside_tests)

foreach(missing WriteCustomerFeedbackInfoFile OpenUseAgreementUrl)
    kelvane_feedback_library(feedback_without_${missing}
        ${CMAKE_CURRENT_BINARY_DIR}/feedback-variants/without-${missing} MISSING ${missing})
    add_dependencies(kelvane_win_tests feedback_without_${missing})
endforeach()
