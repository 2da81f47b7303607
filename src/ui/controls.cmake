# Image buttons and the check box.
list(APPEND KELVANE_WIN_SOURCES
    ui/CheckBoxBtn.cpp
    ui/ImageButton.cpp
    ui/PngButton.cpp
    ui/SkinButton.cpp
)
list(APPEND KELVANE_CORE_SOURCES
    ui/ButtonGeometry.cpp
    ui/ButtonState.cpp
)
