# Log configuration and writers.
list(APPEND KELVANE_CORE_SOURCES
    log/LogBase.cpp
    log/LogConfigRule.cpp
    log/LogRecordFormat.cpp
    log/LogTargetRule.cpp
    log/PacketLog.cpp
)
list(APPEND KELVANE_WIN_SOURCES
    log/GbkText.cpp
    log/LogFileHandle.cpp
    log/LogSave.cpp
    log/LogSaveCloseFile.cpp
    log/LogSaveOpenFile.cpp
)
