# The version record of the Windows executable (FILEVERSION 1,1,0,0 and the
# "040904B0" string block), configured from the project's version.
string(REPLACE "." "," DEWPOINT_VERSION_COMMAS "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.0.0")
string(REGEX REPLACE ",0([0-9])" ",\\1" DEWPOINT_VERSION_COMMAS "${DEWPOINT_VERSION_COMMAS}")
set(DEWPOINT_VERSION_RC ${PROJECT_BINARY_DIR}/packaging/dewpoint-converter.rc)
set(DEWPOINT_EXECUTABLE dewpoint-converter)
set(DEWPOINT_MANIFEST_LINE "")
configure_file(${CMAKE_CURRENT_LIST_DIR}/version.rc.in ${DEWPOINT_VERSION_RC} @ONLY)

# Links the record into a Windows executable; a Windows build without it
# stops at configure time.
function(dewpoint_add_version_record target)
    if(NOT WIN32)
        return()
    endif()
    if(NOT EXISTS "${DEWPOINT_VERSION_RC}")
        message(FATAL_ERROR "The Windows version record ${DEWPOINT_VERSION_RC} is missing: ${target} would be built without it.")
    endif()
    target_sources(${target} PRIVATE ${DEWPOINT_VERSION_RC})
    get_target_property(sources ${target} SOURCES)
    if(NOT "${DEWPOINT_VERSION_RC}" IN_LIST sources)
        message(FATAL_ERROR "${target} does not link the Windows version record.")
    endif()
endfunction()
