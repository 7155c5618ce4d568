# The portable package, checked as a user gets it: cpack's ZIP holds exactly the program and
# its two files (the read-me's Japanese name marked as UTF-8, so Explorer shows it right), the
# program stays under 1 MiB, and unpacked into a fresh folder it runs from there (the Windows
# tests in TESTS). Run with -P:
#   -DCPACK=<cpack> -DBUILD_DIR=<build tree> -DWORK=<scratch folder> -DTESTS=<test program>
#   [-DWINE=<emulator>]
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}/unpacked")
execute_process(COMMAND "${CPACK}" -G ZIP -B "${WORK}" WORKING_DIRECTORY "${BUILD_DIR}"
    RESULT_VARIABLE failed OUTPUT_VARIABLE log ERROR_VARIABLE log)
file(GLOB zip "${WORK}/*.zip")
if(failed OR NOT zip)
    message(FATAL_ERROR "cpack made no package (it needs a UTF-8 locale):\n${log}")
endif()

execute_process(COMMAND "${CMAKE_COMMAND}" -E tar tf "${zip}" OUTPUT_VARIABLE listing)
string(REPLACE "\n" ";" entries "${listing}")
list(REMOVE_ITEM entries "")
list(SORT entries)
set(expected "tarvok.exe" "tarvok_00.html" "お読み下さい.txt")
list(SORT expected)
if(NOT entries STREQUAL expected)
    message(FATAL_ERROR "the package holds [${entries}] instead of [${expected}]")
endif()

# Every central directory entry whose name is not ASCII has the UTF-8 flag (bit 11).
file(READ "${zip}" hex HEX)
set(at 0)
while(TRUE)
    string(SUBSTRING "${hex}" ${at} -1 rest)
    string(FIND "${rest}" "504b0102" found)
    if(found EQUAL -1)
        break()
    endif()
    math(EXPR entry "${at} + ${found}")
    math(EXPR flagsAt "${entry} + 16")
    math(EXPR lengthAt "${entry} + 56")
    math(EXPR nameAt "${entry} + 92")
    string(SUBSTRING "${hex}" ${flagsAt} 4 flags)
    string(SUBSTRING "${hex}" ${lengthAt} 4 length)
    string(REGEX REPLACE "^(..)(..)$" "\\2\\1" flags "${flags}")
    string(REGEX REPLACE "^(..)(..)$" "\\2\\1" length "${length}")
    math(EXPR nameHexLength "0x${length} * 2")
    string(SUBSTRING "${hex}" ${nameAt} ${nameHexLength} name)
    math(EXPR utf8 "(0x${flags} >> 11) & 1")
    # A byte of 0x80 or more in the name.
    if(name MATCHES "^(..)*[89a-f]" AND NOT utf8)
        message(FATAL_ERROR "a package entry has a non-ASCII name without the UTF-8 flag")
    endif()
    math(EXPR at "${entry} + 8")
endwhile()

execute_process(COMMAND "${CMAKE_COMMAND}" -E tar xf "${zip}" WORKING_DIRECTORY "${WORK}/unpacked")
file(SIZE "${WORK}/unpacked/tarvok.exe" exeSize)
file(SIZE "${zip}" zipSize)
message(STATUS "package ${zip}: ${zipSize} bytes; tarvok.exe ${exeSize} bytes")
if(exeSize GREATER 1048576)
    message(FATAL_ERROR "tarvok.exe is ${exeSize} bytes, more than 1 MiB")
endif()

# The help page is one file: its picture is inside it.
file(READ "${WORK}/unpacked/tarvok_00.html" page)
if(NOT page MATCHES "<img src=\"data:image/png;base64,[A-Za-z0-9+/]+=*\"" OR page MATCHES "@[A-Z_]+@")
    message(FATAL_ERROR "the help page does not hold its picture")
endif()

# Wine sees the Linux file system as drive Z:.
set(folder "${WORK}/unpacked")
if(folder MATCHES "^/")
    set(folder "Z:${folder}")
endif()
string(REPLACE "/" "\\" folder "${folder}")
set(ENV{TARVOK_PACKAGE_DIR} "${folder}")
execute_process(COMMAND ${WINE} "${TESTS}" RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "the unpacked program failed its tests")
endif()
