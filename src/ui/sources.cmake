list(APPEND KELVANE_WIN_SOURCES
    ui/PngImageCache.cpp
    ui/PngResource.cpp
    ui/ScreenScale.cpp
)

# The skin images the resource script embeds; it is compiled again when one of them changes.
file(GLOB KELVANE_SKIN_IMAGES CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/../res/png/*.png)
