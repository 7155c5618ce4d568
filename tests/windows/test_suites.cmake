# Turns a GoogleTest program into one ctest test per test suite: each runs its suite's cases in
# one process (--gtest_filter=Suite.*). Included by ctest as it starts, from the file that
# tarvok_wine_test writes, because listing the cases runs the program (under Wine when cross
# compiled), which needs the prefix and the display the test run sets up.
#
# tarvok_list_test_suites(PROGRAM <exe> [EMULATOR <command>] WORKING_DIRECTORY <dir>
#                         TIMEOUT <seconds> OUTPUT <ctest file to write>)
function(tarvok_list_test_suites)
    cmake_parse_arguments(arg "" "PROGRAM;WORKING_DIRECTORY;TIMEOUT;OUTPUT" "EMULATOR" ${ARGN})
    execute_process(COMMAND ${arg_EMULATOR} "${arg_PROGRAM}" --gtest_list_tests
        WORKING_DIRECTORY "${arg_WORKING_DIRECTORY}"
        TIMEOUT 60
        RESULT_VARIABLE failed
        OUTPUT_VARIABLE listing
        ERROR_VARIABLE listing)
    if(failed)
        message(FATAL_ERROR "${arg_PROGRAM} could not list its tests (${failed}):\n${listing}")
    endif()
    # A suite's line is its name and a full stop (and a comment for typed suites); its cases
    # follow, indented. The program may write CR LF.
    string(REPLACE "\r" "" listing "${listing}")
    string(REPLACE ";" "," listing "${listing}")
    string(REPLACE "\n" ";" lines "${listing}")
    set(command "")
    foreach(word IN LISTS arg_EMULATOR ITEMS "${arg_PROGRAM}")
        string(APPEND command "[==[${word}]==] ")
    endforeach()
    set(script "")
    foreach(line IN LISTS lines)
        if(NOT line MATCHES "^([^ ]+)\\.( +#.*)?$")
            continue()
        endif()
        set(suite "${CMAKE_MATCH_1}")
        string(APPEND script
            "add_test([==[${suite}.*]==] ${command}[==[--gtest_filter=${suite}.*]==])\n"
            "set_tests_properties([==[${suite}.*]==] PROPERTIES "
            "WORKING_DIRECTORY [==[${arg_WORKING_DIRECTORY}]==] TIMEOUT ${arg_TIMEOUT})\n")
    endforeach()
    if(script STREQUAL "")
        message(FATAL_ERROR "${arg_PROGRAM} lists no test:\n${listing}")
    endif()
    file(WRITE "${arg_OUTPUT}" "${script}")
endfunction()
