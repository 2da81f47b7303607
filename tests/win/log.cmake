# The process-wide log writes into the machine's application-data folder, which every other
# test shares: those tests get a private prefix. The English run repeats every log test on a
# system whose ANSI code page is not 936, where records must still come out as GBK.
add_test(NAME ${KELVANE_WIN}.log.machine_wide COMMAND kelvane_win_tests --gtest_filter=LogSaveMachineWide.*)
set_tests_properties(${KELVANE_WIN}.log.machine_wide PROPERTIES LABELS ${KELVANE_WIN} SKIP_RETURN_CODE 77 TIMEOUT 180
    ENVIRONMENT "KELVANE_PRIVATE_PREFIX=1")

add_test(NAME ${KELVANE_WIN}.log.english_system COMMAND kelvane_win_tests --gtest_filter=Log*)
set_tests_properties(${KELVANE_WIN}.log.english_system PROPERTIES LABELS ${KELVANE_WIN} SKIP_RETURN_CODE 77 TIMEOUT 180
    ENVIRONMENT "KELVANE_PRIVATE_PREFIX=1;KELVANE_LOCALE=en")
