# The Windows program, its libraries and the tests that run under Wine.
add_compile_definitions(UNICODE _UNICODE NOMINMAX WINVER=0x0A00 _WIN32_WINNT=0x0A00)
# Static runtime: the exe needs no DLL beside the system's (Wine exits with code 53 otherwise).
add_link_options(-static -static-libgcc -static-libstdc++)

find_program(TARVOK_WINE NAMES wine64 PATHS /usr/lib/wine /usr/lib64/wine NO_DEFAULT_PATH)
if(NOT TARVOK_WINE)
    find_program(TARVOK_WINE NAMES wine)
endif()
set(CMAKE_CROSSCOMPILING_EMULATOR ${TARVOK_WINE})

add_library(tarvok_platform STATIC
    platform/cp932_codec.cpp
    platform/settings_file.cpp
    platform/text.cpp)
tarvok_strict(tarvok_platform)
target_link_libraries(tarvok_platform PUBLIC tarvok_settings shell32 ole32 oleaut32 uuid user32
    gdi32 comctl32 comdlg32 advapi32)

set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

add_subdirectory(tests/windows)
