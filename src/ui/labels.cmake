# Text and status labels and their fonts.
list(APPEND KELVANE_WIN_SOURCES
    ui/DrawStateInfoStatic.cpp
    ui/DrawTextStatic.cpp
    ui/LabelFont.cpp
    ui/SkinPaint.cpp
    ui/SkinStatic.cpp
)
list(APPEND KELVANE_CORE_SOURCES
    ui/LabelLayout.cpp
)
