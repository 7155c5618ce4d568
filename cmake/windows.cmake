# The Windows program, its libraries and the tests that run under Wine.
add_compile_definitions(UNICODE _UNICODE NOMINMAX WINVER=0x0A00 _WIN32_WINNT=0x0A00)
if(MINGW)
    # Static runtime: the exe needs no DLL beside the system's (Wine exits with code 53
    # otherwise).
    add_link_options(-static -static-libgcc -static-libstdc++)
    set(TARVOK_UNICODE_ENTRY -municode)
elseif(MSVC)
    set(CMAKE_MSVC_RUNTIME_LIBRARY "MultiThreaded$<$<CONFIG:Debug>:Debug>")
    set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
endif()

if(CMAKE_CROSSCOMPILING)
    find_program(TARVOK_WINE NAMES wine64 PATHS /usr/lib/wine /usr/lib64/wine NO_DEFAULT_PATH)
    if(NOT TARVOK_WINE)
        find_program(TARVOK_WINE NAMES wine)
    endif()
    set(CMAKE_CROSSCOMPILING_EMULATOR ${TARVOK_WINE})
endif()

# Every program of the build lands in one folder, so tests find the launcher and the tools
# beside themselves.
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)

# Libraries that nothing shown at start-up needs are imported on first use (delay-loaded)
# instead of when the process starts: the shell, the costliest to load, and the accessibility
# libraries a screen reader's first question brings in. MinGW's linker has no /DELAYLOAD;
# dlltool makes the delay-import library from the list of functions we use (cmake/delay/), and
# a function missing from it fails the link.
function(tarvok_delay_load name)
    if(MINGW)
        find_program(TARVOK_DLLTOOL NAMES x86_64-w64-mingw32-dlltool dlltool REQUIRED)
        set(def ${PROJECT_SOURCE_DIR}/cmake/delay/${name}.def)
        set(lib ${CMAKE_BINARY_DIR}/lib${name}_delay.a)
        add_custom_command(OUTPUT ${lib}
            COMMAND ${TARVOK_DLLTOOL} --input-def ${def} --output-delaylib ${lib}
                --dllname ${name}.dll
            DEPENDS ${def} VERBATIM)
        add_custom_target(${name}_delay DEPENDS ${lib})
        add_library(tarvok_${name} INTERFACE)
        add_dependencies(tarvok_${name} ${name}_delay)
        target_link_libraries(tarvok_${name} INTERFACE ${lib})
    else()
        add_library(tarvok_${name} INTERFACE)
        target_link_libraries(tarvok_${name} INTERFACE ${name} delayimp)
        target_link_options(tarvok_${name} INTERFACE /DELAYLOAD:${name}.dll)
    endif()
endfunction()
tarvok_delay_load(shell32)
tarvok_delay_load(oleacc)
tarvok_delay_load(oleaut32)

add_library(tarvok_platform STATIC
    platform/accessibility.cpp
    platform/controls.cpp
    platform/cp932_codec.cpp
    platform/dde.cpp
    platform/dialog.cpp
    platform/dialog_controls.cpp
    platform/dpi.cpp
    platform/drives.cpp
    platform/drop.cpp
    platform/drop_target.cpp
    platform/files.cpp
    platform/folder_browser.cpp
    platform/folder_list_view.cpp
    platform/glyph.cpp
    platform/hot_key.cpp
    platform/keyboard_navigation.cpp
    platform/message_box.cpp
    platform/settings_file.cpp
    platform/shell.cpp
    platform/shell_items.cpp
    platform/speed_button.cpp
    platform/system.cpp
    platform/text.cpp
    platform/unhandled.cpp
    platform/window.cpp
    platform/window_placement.cpp)
tarvok_strict(tarvok_platform)
# IID_IAccessible comes from uuid: MinGW's own oleacc import library carries a wrong one, and
# every call on an accessible object then fails with E_NOINTERFACE.
target_link_libraries(tarvok_platform PUBLIC tarvok_settings tarvok_shell32 ole32 uuid
    tarvok_oleacc tarvok_oleaut32 user32 gdi32 comctl32 advapi32 msimg32 imm32)

# The screens, as a library the exe and the Windows tests share.
add_library(tarvok_screens STATIC
    app/commands.cpp
    app/focus_memory.cpp
    app/glyph_cache.cpp
    app/main_window.cpp
    app/menus.cpp
    app/page_bar.cpp
    app/page_commands.cpp
    app/page_label.cpp
    app/slot_column.cpp
    app/slot_commands.cpp
    app/slot_drops.cpp
    app/slot_store.cpp
    app/summon_key.cpp
    app/system_commands.cpp
    dialogs/about_box.cpp
    dialogs/address_dialog.cpp
    dialogs/file_picker.cpp
    dialogs/page_name_dialog.cpp
    dialogs/rename_prompt.cpp
    dialogs/start_menu_picker.cpp
    dialogs/summon_key_dialog.cpp
    migration/migration_dialog.cpp)
tarvok_strict(tarvok_screens)
target_link_libraries(tarvok_screens PUBLIC tarvok_platform tarvok_rules)

add_executable(tarvok WIN32 app/main.cpp resources/tarvok.rc)
tarvok_strict(tarvok)
target_link_options(tarvok PRIVATE ${TARVOK_UNICODE_ENTRY})
target_link_libraries(tarvok PRIVATE tarvok_screens)
# For the version resource.
target_compile_definitions(tarvok PRIVATE TARVOK_VERSION_MAJOR=${PROJECT_VERSION_MAJOR}
    TARVOK_VERSION_MINOR=${PROJECT_VERSION_MINOR})
if(MINGW)
    # The shipped program needs no symbols; the runtime's debug sections alone would be a
    # third of its size.
    target_link_options(tarvok PRIVATE $<$<CONFIG:Release,MinSizeRel>:-s>)
endif()

# The help page (with the main window's picture inside it) and the read-me lie beside the
# program, in the build as in the package.
set(TARVOK_HELP_PAGE ${CMAKE_BINARY_DIR}/bin/tarvok_00.html)
set(TARVOK_READ_ME_SOURCE "${PROJECT_SOURCE_DIR}/resources/お読み下さい.txt")
set(TARVOK_READ_ME "${CMAKE_BINARY_DIR}/bin/お読み下さい.txt")
set(TARVOK_HELP_PICTURE ${PROJECT_SOURCE_DIR}/resources/pictures/main-page1-96dpi.png)
add_custom_command(OUTPUT ${TARVOK_HELP_PAGE}
    COMMAND ${CMAKE_COMMAND} -DTEMPLATE=${PROJECT_SOURCE_DIR}/resources/tarvok_00.html.in
        -DPICTURE=${TARVOK_HELP_PICTURE} -DOUTPUT=${TARVOK_HELP_PAGE}
        -P ${PROJECT_SOURCE_DIR}/cmake/help_page.cmake
    DEPENDS ${PROJECT_SOURCE_DIR}/resources/tarvok_00.html.in ${TARVOK_HELP_PICTURE}
        ${PROJECT_SOURCE_DIR}/cmake/help_page.cmake
    VERBATIM)
add_custom_command(OUTPUT "${TARVOK_READ_ME}"
    COMMAND ${CMAKE_COMMAND} -E copy "${TARVOK_READ_ME_SOURCE}" "${TARVOK_READ_ME}"
    DEPENDS "${TARVOK_READ_ME_SOURCE}"
    VERBATIM)
add_custom_target(help_files ALL DEPENDS ${TARVOK_HELP_PAGE} "${TARVOK_READ_ME}")

# The portable package: one ZIP with the program and its two files, nothing else.
install(TARGETS tarvok RUNTIME DESTINATION .)
install(FILES ${TARVOK_HELP_PAGE} "${TARVOK_READ_ME_SOURCE}" DESTINATION .)
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME tarvok)
set(CPACK_PACKAGE_FILE_NAME tarvok-${PROJECT_VERSION})
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
include(CPack)

add_subdirectory(tools)

# GoogleTest from source: Debian ships it in /usr/src/googletest; on Windows point
# TARVOK_GTEST_SOURCE at a checkout.
set(TARVOK_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest source tree")
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(${TARVOK_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

add_subdirectory(tests/windows)

# Benchmarks that print figures (run by scripts/bench.sh, not by ctest).
add_executable(bare_window WIN32 bench/bare_window.cpp)
tarvok_strict(bare_window)
target_link_options(bare_window PRIVATE ${TARVOK_UNICODE_ENTRY})
# The same window as the launcher's and nothing else: what a start-up cannot go below.
add_executable(floor_window WIN32 bench/floor_window.cpp bench/floor_window.rc app/menus.cpp
    platform/text.cpp)
tarvok_strict(floor_window)
target_link_options(floor_window PRIVATE ${TARVOK_UNICODE_ENTRY})
add_executable(windows_bench bench/windows_bench.cpp bench/bench_support.cpp bench/start_up.cpp)
tarvok_strict(windows_bench)
target_link_libraries(windows_bench PRIVATE tarvok_win_test_support psapi)
add_dependencies(windows_bench tarvok bare_window floor_window marker fake_browser)
