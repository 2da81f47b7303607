# The host-client detection writes a client's folders to the system drive: a private prefix.
add_executable(kelvane_hostclient_tests HostClientCase.cpp)
kelvane_target(kelvane_hostclient_tests)
target_link_options(kelvane_hostclient_tests PRIVATE -municode)
target_link_libraries(kelvane_hostclient_tests PRIVATE kelvane_win kelvane_win_test_support)
add_test(NAME ${KELVANE_WIN}.hostclient COMMAND kelvane_hostclient_tests)
set_tests_properties(${KELVANE_WIN}.hostclient PROPERTIES LABELS ${KELVANE_WIN} SKIP_RETURN_CODE 77 TIMEOUT 120
    ENVIRONMENT "KELVANE_PRIVATE_PREFIX=1")
