list(APPEND KELVANE_CORE_SOURCES
    system/ConsoleOutputDecoder.cpp
    system/SupportedSystemRule.cpp
)
list(APPEND KELVANE_WIN_SOURCES
    system/ConsoleCommandRunner.cpp
    system/ModulePath.cpp
    system/ProcessVersion.cpp
)
