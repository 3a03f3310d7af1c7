# Compiles one help file in a copy of the help sources, so the compiler writes nothing into the
# source tree. English comes from SOURCE_DIR itself; a translation (LANGUAGE=<tag>) takes its pages
# and sitemaps from LANGUAGE_DIR and shares the style sheet and the project file of SOURCE_DIR.
# Run as: cmake -DSOURCE_DIR=... -DSTAGE_DIR=... -DCOMPILER=... -DOUTPUT=...
#               [-DLANGUAGE=<tag> -DLANGUAGE_DIR=... -DICONV=...] -P compile.cmake

# The help viewer reads the contents, the index and the project's title in the ANSI code page of the
# file's language, whatever the sitemaps declare; the pages themselves stay UTF-8, as they say.
# LANGUAGE_DIR/language.txt holds one UTF-8 line: <Windows language id>|<code page>|<viewer's title>
set(language_format
    "<Windows language id>|<ANSI code page>|<title of the viewer's window>, e.g. 0x407|CP1252|Tavelin-Hilfe")

file(REMOVE_RECURSE "${STAGE_DIR}")
file(GLOB shared LIST_DIRECTORIES false "${SOURCE_DIR}/*.hhp" "${SOURCE_DIR}/*.css")
if(NOT LANGUAGE)
    set(LANGUAGE_DIR "${SOURCE_DIR}")
endif()
file(GLOB pages LIST_DIRECTORIES false
    "${LANGUAGE_DIR}/*.hhc" "${LANGUAGE_DIR}/*.hhk" "${LANGUAGE_DIR}/*.html")
file(COPY ${shared} ${pages} DESTINATION "${STAGE_DIR}")
set(compiled "Help.chm")

if(LANGUAGE)
    set(language_file "${LANGUAGE_DIR}/language.txt")
    if(NOT EXISTS "${language_file}")
        message(FATAL_ERROR "help/lang/${LANGUAGE}: language.txt is missing; it holds one line ${language_format}")
    endif()
    file(READ "${language_file}" language_line)
    if(NOT language_line MATCHES "^(0x[0-9a-fA-F]+)\\|(CP[0-9]+)\\|([^|\r\n]+)\r?\n?$")
        message(FATAL_ERROR "help/lang/${LANGUAGE}/language.txt is malformed; it holds one line ${language_format}")
    endif()
    set(language_id "${CMAKE_MATCH_1}")
    set(code_page "${CMAKE_MATCH_2}")
    set(title "${CMAKE_MATCH_3}")
    set(compiled "Help.${LANGUAGE}.chm")

    file(READ "${STAGE_DIR}/Tavelin.hhp" project)
    string(REGEX REPLACE "\nCompiled file=[^\n]*" "\nCompiled file=${compiled}" project "${project}")
    string(REGEX REPLACE "\nLanguage=[^\n]*" "\nLanguage=${language_id}" project "${project}")
    string(REGEX REPLACE "\nTitle=[^\n]*" "\nTitle=${title}" project "${project}")
    string(REGEX REPLACE "\nmain=\"[^\"]*\"" "\nmain=\"${title}\"" project "${project}")
    file(WRITE "${STAGE_DIR}/Tavelin.hhp" "${project}")

    foreach(name Tavelin.hhp Contents.hhc Index.hhk)
        execute_process(COMMAND "${ICONV}" -f UTF-8 -t "${code_page}" "${name}"
            WORKING_DIRECTORY "${STAGE_DIR}"
            OUTPUT_FILE "${STAGE_DIR}/${name}.encoded"
            RESULT_VARIABLE result
            ERROR_VARIABLE log)
        if(NOT result EQUAL 0)
            message(FATAL_ERROR "help/lang/${LANGUAGE}/${name} does not fit code page ${code_page}:\n${log}")
        endif()
        file(RENAME "${STAGE_DIR}/${name}.encoded" "${STAGE_DIR}/${name}")
    endforeach()
endif()

execute_process(COMMAND "${COMPILER}" Tavelin.hhp
    WORKING_DIRECTORY "${STAGE_DIR}"
    RESULT_VARIABLE result
    OUTPUT_VARIABLE log
    ERROR_VARIABLE log)

# Microsoft's hhc reports success with exit code 1.
get_filename_component(compiler_name "${COMPILER}" NAME_WE)
string(TOLOWER "${compiler_name}" compiler_name)
if(compiler_name STREQUAL "hhc")
    set(success 1)
else()
    set(success 0)
endif()
if(NOT result EQUAL success OR NOT EXISTS "${STAGE_DIR}/${compiled}")
    message(FATAL_ERROR "Compiling ${compiled} failed (exit code ${result}):\n${log}")
endif()

file(COPY_FILE "${STAGE_DIR}/${compiled}" "${OUTPUT}")
