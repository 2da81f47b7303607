list(APPEND KELVANE_CORE_SOURCES
    ui/FrameGeometry.cpp
)
