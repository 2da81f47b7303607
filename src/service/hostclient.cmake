# Host-client detection on USB drives and the update check's notice.
list(APPEND KELVANE_CORE_SOURCES
    service/HostClientSearch.cpp
)
list(APPEND KELVANE_WIN_SOURCES
    service/HostClientProbe.cpp
)
