# The size worker writes the registry and the machine-wide log: each run gets a private prefix.
add_executable(kelvane_taskbar_tests TaskbarSizeSetterCase.cpp)
kelvane_target(kelvane_taskbar_tests)
target_link_options(kelvane_taskbar_tests PRIVATE -municode)
target_link_libraries(kelvane_taskbar_tests PRIVATE kelvane_win kelvane_win_test_support shell32)

add_test(NAME ${KELVANE_WIN}.taskbar.chinese COMMAND kelvane_taskbar_tests --gtest_filter=-*English*)
set_tests_properties(${KELVANE_WIN}.taskbar.chinese PROPERTIES LABELS ${KELVANE_WIN} SKIP_RETURN_CODE 77 TIMEOUT 300
    ENVIRONMENT "KELVANE_PRIVATE_PREFIX=1;KELVANE_LOCALE=zh")
add_test(NAME ${KELVANE_WIN}.taskbar.english COMMAND kelvane_taskbar_tests --gtest_filter=*English*)
set_tests_properties(${KELVANE_WIN}.taskbar.english PROPERTIES LABELS ${KELVANE_WIN} SKIP_RETURN_CODE 77 TIMEOUT 300
    ENVIRONMENT "KELVANE_PRIVATE_PREFIX=1;KELVANE_LOCALE=en")
