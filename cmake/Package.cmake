# make package: the shipped files under Kelvane-<version>-<arch>/ in a zip whose bytes depend on
# the commit alone, signed where a certificate is named, its .sha256 beside it (cmake/package.py).
set(KELVANE_PACKAGE_NAME Kelvane-${PROJECT_VERSION}-${KELVANE_ARCH})
set(KELVANE_PACKAGE_TARGETS Kelvane OstrelFeedbackInformation)
list(TRANSFORM KELVANE_PACKAGE_TARGETS REPLACE "(.+)" "$<TARGET_FILE:\\1>"
    OUTPUT_VARIABLE KELVANE_PACKAGE_FILES)
find_package(Python3 REQUIRED COMPONENTS Interpreter)
add_custom_target(kelvane_package
    COMMAND ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/cmake/package.py ${PROJECT_SOURCE_DIR}
        ${CMAKE_BINARY_DIR}/package ${KELVANE_PACKAGE_NAME} ${KELVANE_PACKAGE_FILES}
    COMMENT "Packaging ${KELVANE_PACKAGE_NAME}" USES_TERMINAL VERBATIM)
add_dependencies(kelvane_package ${KELVANE_PACKAGE_TARGETS})
