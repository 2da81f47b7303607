# Warnings are errors on every tree; our own targets opt in through kelvane_target().
set(KELVANE_WARNINGS -Wall -Wextra -Wpedantic -Werror -Wshadow -Wnon-virtual-dtor
    -Woverloaded-virtual -Wcast-align -Wnull-dereference -Wdouble-promotion -Wformat=2)

if(WIN32)
    enable_language(RC)
    set(KELVANE_DEFINES UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX
        _WIN32_WINNT=0x0601 WINVER=0x0601)
    # windres reads the resource script as UTF-8.
    set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -c 65001")
    # Debug information and any file name names the folders by fixed names, not where this
    # checkout and its build happen to be; the build folder's mapping comes last, so it wins.
    add_compile_options(
        $<$<COMPILE_LANGUAGE:C,CXX>:-ffile-prefix-map=${PROJECT_SOURCE_DIR}=kelvane>
        $<$<COMPILE_LANGUAGE:C,CXX>:-ffile-prefix-map=${PROJECT_BINARY_DIR}=kelvane-build>)
    # No link time in the PE headers (ld's default), so one commit links to the same bytes twice.
    add_link_options(-Wl,--no-insert-timestamp)
    if(CMAKE_SIZEOF_VOID_P EQUAL 8)
        set(KELVANE_ARCH amd64)
    else()
        set(KELVANE_ARCH x86)
        # IEEE single and double as on the other trees (every Windows 11 processor has SSE2);
        # ui/FrameGeometry.h refuses to compile without it.
        add_compile_options(-msse2 -mfpmath=sse)
    endif()
endif()

function(kelvane_target target)
    target_compile_options(${target} PRIVATE $<$<COMPILE_LANGUAGE:C,CXX>:${KELVANE_WARNINGS}>)
    target_compile_definitions(${target} PRIVATE ${KELVANE_DEFINES})
    target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR}/src)
endfunction()
