# Compiles Help.chm in a copy of the help sources, so the compiler writes nothing into the source tree.
# Run as: cmake -DSOURCE_DIR=... -DSTAGE_DIR=... -DCOMPILER=... -DOUTPUT=... -P compile.cmake
file(REMOVE_RECURSE "${STAGE_DIR}")
file(GLOB sources LIST_DIRECTORIES false
    "${SOURCE_DIR}/*.hhp" "${SOURCE_DIR}/*.hhc" "${SOURCE_DIR}/*.hhk" "${SOURCE_DIR}/*.html" "${SOURCE_DIR}/*.css")
file(COPY ${sources} DESTINATION "${STAGE_DIR}")

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
if(NOT result EQUAL success OR NOT EXISTS "${STAGE_DIR}/Help.chm")
    message(FATAL_ERROR "Compiling the help file failed (exit code ${result}):\n${log}")
endif()

file(COPY_FILE "${STAGE_DIR}/Help.chm" "${OUTPUT}")
