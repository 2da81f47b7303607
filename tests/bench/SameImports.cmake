# Fails when the design floor imports other libraries than the tool: the loader maps every one
# before wWinMain, so the floor would no longer start as the tool does.
# cmake -DOBJDUMP=... -DTOOL=Kelvane.exe -DFLOOR=DesignFloor.exe -P SameImports.cmake
foreach(image TOOL FLOOR)
    execute_process(COMMAND ${OBJDUMP} -p ${${image}} OUTPUT_VARIABLE headers
        COMMAND_ERROR_IS_FATAL ANY)
    string(REGEX MATCHALL "DLL Name: [^\r\n]+" names "${headers}")
    string(REPLACE "DLL Name: " "" names "${names}")
    string(TOLOWER "${names}" names)
    list(SORT names)
    set(${image}_IMPORTS "${names}")
endforeach()
if(NOT TOOL_IMPORTS STREQUAL FLOOR_IMPORTS)
    message(FATAL_ERROR "the design floor imports other libraries than the tool "
        "(tests/bench/DesignFloor.cpp names those only the tool needs)\n"
        "  tool:  ${TOOL_IMPORTS}\n  floor: ${FLOOR_IMPORTS}")
endif()
