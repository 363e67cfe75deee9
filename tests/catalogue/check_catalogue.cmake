# Runs lupdate over the program's sources and form against a copy of the
# catalogue and fails when any message is left without a finished translation.
file(MAKE_DIRECTORY ${WORK_DIR})
set(copy ${WORK_DIR}/tr_SC.ts)
file(COPY_FILE ${CATALOGUE} ${copy})

set(sources)
foreach(dir app serial protocol tables project knx)
    if(EXISTS ${SOURCE_DIR}/${dir})
        list(APPEND sources ${SOURCE_DIR}/${dir})
    endif()
endforeach()

execute_process(
    COMMAND ${LUPDATE} -no-obsolete -locations none -extensions cpp,h,ui ${sources} -ts ${copy}
    RESULT_VARIABLE result
    OUTPUT_VARIABLE output
    ERROR_VARIABLE output)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "lupdate failed:\n${output}")
endif()

file(READ ${copy} catalogue)
string(REGEX MATCHALL "<message>[^<]*<source>[^<]*</source>[^<]*<translation type=\"unfinished\"" missing "${catalogue}")
list(LENGTH missing count)
if(count GREATER 0)
    set(texts)
    foreach(entry ${missing})
        string(REGEX REPLACE ".*<source>([^<]*)</source>.*" "\\1" text "${entry}")
        string(APPEND texts "\n  ${text}")
    endforeach()
    message(FATAL_ERROR "${count} text(s) lack a Chinese translation in resources/tr_SC.ts:${texts}")
endif()
if(NOT catalogue MATCHES "<context>")
    message(FATAL_ERROR "lupdate produced an empty catalogue:\n${output}")
endif()
message(STATUS "Every translatable text has a finished translation.")
