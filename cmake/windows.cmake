# Windows build: Murkwell.exe, and the test programs that run under Wine.

enable_language(RC)
# The 32-bit build's program folder is dist/, the 64-bit build's dist/x64/; the downloads of
# both lie in dist/, the 64-bit ones named "-x64".
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(default_dist_dir ${CMAKE_SOURCE_DIR}/dist/x64)
    set(MURKWELL_DOWNLOAD_SUFFIX "-x64")
    set(MURKWELL_MANIFEST_ARCH amd64)
    set(MURKWELL_SETUP_ARCH x64)
else()
    set(default_dist_dir ${CMAKE_SOURCE_DIR}/dist)
    set(MURKWELL_DOWNLOAD_SUFFIX "")
    set(MURKWELL_MANIFEST_ARCH x86)
    set(MURKWELL_SETUP_ARCH x86)
endif()
set(MURKWELL_DIST_DIR ${default_dist_dir} CACHE PATH "Where the ready-to-copy program folder goes")
set(MURKWELL_DOWNLOADS_DIR ${CMAKE_SOURCE_DIR}/dist CACHE PATH "Where the setup and the zip go")
configure_file(resources/murkwell.manifest.in
    ${CMAKE_BINARY_DIR}/generated/resources/murkwell.manifest @ONLY)

add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
# Static: the program folder needs no DLL beside the executable.
add_link_options(-static -static-libgcc -static-libstdc++)

# Each subsystem's Win32 side, in the subsystem's library.
target_sources(murkwell_platform PRIVATE
    platform/callback_guard_win.cpp
    platform/console_output_win.cpp
    platform/dialog_win.cpp
    platform/file_exists_win.cpp
    platform/gdi_win.cpp
    platform/message_box_win.cpp
    platform/program_folder_win.cpp
    platform/registry_key_win.cpp
    platform/system_error_win.cpp
    platform/text_win.cpp
    platform/window_win.cpp
)
target_link_libraries(murkwell_platform PUBLIC comctl32 version shlwapi shell32 ole32 oleaut32
    uuid msimg32 gdi32)
target_sources(murkwell_vault PRIVATE
    vault/folder_disk_win.cpp
    vault/hidden_folder_walk_win.cpp
    vault/list_storage_win.cpp
    vault/redirected_path_win.cpp
)
target_sources(murkwell_present PRIVATE
    present/about_window_win.cpp
    present/artwork_win.cpp
    present/banner_win.cpp
    present/browser_window_win.cpp
    present/button_pictures_win.cpp
    present/control_colors_win.cpp
    present/help_launcher_win.cpp
    present/picture_box_win.cpp
    present/product_info_win.cpp
    present/skin_controls_win.cpp
    present/skin_engine_win.cpp
    present/high_contrast_win.cpp
    present/skin_form_win.cpp
    present/skin_frame_win.cpp
    present/skin_label_win.cpp
    present/skin_menu_bar_win.cpp
    present/skin_win.cpp
    present/web_view_win.cpp
)
target_sources(murkwell_protect PRIVATE
    protect/add_remove_win.cpp
    protect/machine_registry_win.cpp
    protect/options_dialog_win.cpp
    protect/password_hasher_win.cpp
    protect/password_prompt_win.cpp
    protect/stealth_platform_win.cpp
    protect/user_settings_win.cpp
)
target_sources(murkwell_shell PRIVATE
    shell/application_win.cpp
    shell/batch_progress_win.cpp
    shell/console_scan_win.cpp
    shell/console_show_all_win.cpp
    shell/disk_check_win.cpp
    shell/dropped_folders_win.cpp
    shell/find_hidden_dialog_win.cpp
    shell/folder_drop_target_win.cpp
    shell/folder_list_view_win.cpp
    shell/folder_picker_win.cpp
    shell/hidden_folder_search_win.cpp
    shell/batch_worker_win.cpp
    shell/long_command_win.cpp
    shell/main_controls_win.cpp
    shell/main_menu_win.cpp
    shell/main_window_win.cpp
    shell/path_rules_win.cpp
    shell/splash_window_win.cpp
    shell/startup_trace_win.cpp
    shell/stealth_mode_win.cpp
    shell/window_geometry_win.cpp
)
# Everything below the shell, for the test programs of those layers.
add_library(murkwell_win INTERFACE)
target_link_libraries(murkwell_win INTERFACE murkwell_protect)

# The program's icon, painted from the folder artwork by a small tool built for this machine.
find_program(MURKWELL_HOST_CXX NAMES g++ c++ clang++ REQUIRED)
set(icon_maker_sources ${CMAKE_SOURCE_DIR}/tools/make_icon/make_icon.cpp
    ${CMAKE_SOURCE_DIR}/present/folder_artwork.cpp)
set(icon_file ${CMAKE_BINARY_DIR}/resources/murkwell.ico)
set(setup_picture ${CMAKE_BINARY_DIR}/resources/setup-side.bmp)
add_custom_command(
    OUTPUT ${icon_file} ${setup_picture}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/resources
    COMMAND ${MURKWELL_HOST_CXX} -std=c++20 -O1 -I${CMAKE_SOURCE_DIR} ${icon_maker_sources}
        -lz -o ${CMAKE_BINARY_DIR}/make_icon
    COMMAND ${CMAKE_BINARY_DIR}/make_icon ${icon_file} ${setup_picture}
    DEPENDS ${icon_maker_sources} ${CMAKE_SOURCE_DIR}/present/folder_artwork.h
    COMMENT "Painting the program's icon")
add_custom_target(program_icon DEPENDS ${icon_file})
# Every target that compiles the resource script finds the icon there.
include_directories(${CMAKE_BINARY_DIR}/resources)

add_executable(Murkwell WIN32
    shell/main_win.cpp
    resources/murkwell.rc
)
add_dependencies(Murkwell program_icon)
target_link_options(Murkwell PRIVATE -municode)
target_link_libraries(Murkwell PRIVATE murkwell_shell)
set_target_properties(Murkwell PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${MURKWELL_DIST_DIR})
set_source_files_properties(resources/murkwell.rc PROPERTIES
    OBJECT_DEPENDS "${CMAKE_BINARY_DIR}/generated/resources/murkwell.manifest;${CMAKE_BINARY_DIR}/generated/resources/version.h;${icon_file}")
target_include_directories(Murkwell PRIVATE ${CMAKE_SOURCE_DIR})
# The program folder gets the program without its debug information (a twentieth of the size,
# and Wine reads every section of an image into memory); the information stays beside the
# build, linked by name, for reading crash addresses.
find_program(MURKWELL_OBJCOPY NAMES ${MURKWELL_MINGW_TARGET}-objcopy REQUIRED)
add_custom_command(TARGET Murkwell POST_BUILD
    COMMAND ${MURKWELL_OBJCOPY} --only-keep-debug $<TARGET_FILE:Murkwell> ${CMAKE_BINARY_DIR}/Murkwell.exe.debug
    COMMAND ${MURKWELL_OBJCOPY} --strip-debug --strip-unneeded
        --add-gnu-debuglink=${CMAKE_BINARY_DIR}/Murkwell.exe.debug $<TARGET_FILE:Murkwell>
    COMMENT "Keeping Murkwell's debug information in Murkwell.exe.debug")

# The help file, compiled from the HTML sources into the program folder.
find_program(CHMCMD chmcmd REQUIRED)
file(GLOB help_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/help/*)
add_custom_command(
    OUTPUT ${MURKWELL_DIST_DIR}/Help.chm
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${CMAKE_BINARY_DIR}/help
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_SOURCE_DIR}/resources/help ${CMAKE_BINARY_DIR}/help
    COMMAND ${CMAKE_COMMAND} -E chdir ${CMAKE_BINARY_DIR}/help ${CHMCMD} Help.hhp
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_BINARY_DIR}/help/Help.chm ${MURKWELL_DIST_DIR}/Help.chm
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
    DEPENDS ${help_sources}
    COMMENT "Compiling Help.chm")
add_custom_target(help_file ALL DEPENDS ${MURKWELL_DIST_DIR}/Help.chm)

# The main window's banner: a local page, so it shows without a network.
add_custom_command(
    OUTPUT ${MURKWELL_DIST_DIR}/banner.html
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/resources/banner/banner.html ${MURKWELL_DIST_DIR}/banner.html
    DEPENDS ${CMAKE_SOURCE_DIR}/resources/banner/banner.html
    COMMENT "Copying the banner page")
add_custom_target(banner_page ALL DEPENDS ${MURKWELL_DIST_DIR}/banner.html)

# What a user downloads: the setup program and the portable zip, both made from the program
# folder. They carry the project's version, as the program's version resource does.
set(program_files ${MURKWELL_DIST_DIR}/Murkwell.exe ${MURKWELL_DIST_DIR}/Help.chm
    ${MURKWELL_DIST_DIR}/banner.html)

find_program(MURKWELL_MAKENSIS makensis REQUIRED)
set(setup_file
    ${MURKWELL_DOWNLOADS_DIR}/MurkwellSetup-${MURKWELL_VERSION_TEXT}${MURKWELL_DOWNLOAD_SUFFIX}.exe)
add_custom_command(
    OUTPUT ${setup_file}
    COMMAND ${MURKWELL_MAKENSIS} -V2 -DDIST=${MURKWELL_DIST_DIR} -DICON=${icon_file}
        -DSIDE_PICTURE=${setup_picture}
        -DOUTFILE=${setup_file} -DVERSION=${MURKWELL_VERSION_TEXT}
        -DVERSION_BINARY=${MURKWELL_VERSION_BINARY} -DARCH=${MURKWELL_SETUP_ARCH}
        ${CMAKE_SOURCE_DIR}/resources/installer/murkwell.nsi
    DEPENDS Murkwell help_file banner_page ${program_files} ${icon_file} ${setup_picture}
        ${CMAKE_SOURCE_DIR}/resources/installer/murkwell.nsi
    COMMENT "Making the setup program")

set(portable_zip
    ${MURKWELL_DOWNLOADS_DIR}/Murkwell-${MURKWELL_VERSION_TEXT}${MURKWELL_DOWNLOAD_SUFFIX}-portable.zip)
set(portable_stage ${CMAKE_BINARY_DIR}/portable)
add_custom_command(
    OUTPUT ${portable_zip}
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${portable_stage}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${portable_stage}/Murkwell
    COMMAND ${CMAKE_COMMAND} -E copy ${program_files} ${portable_stage}/Murkwell/
    COMMAND ${CMAKE_COMMAND} -E rm -f ${portable_zip}
    COMMAND ${CMAKE_COMMAND} -E chdir ${portable_stage}
        ${CMAKE_COMMAND} -E tar cf ${portable_zip} --format=zip Murkwell
    DEPENDS Murkwell help_file banner_page ${program_files}
    COMMENT "Making the portable zip")
add_custom_target(downloads ALL DEPENDS ${setup_file} ${portable_zip})

if(MURKWELL_TESTS)
    # Windows test programs; each test uses folders of its own inside the run's Wine prefix.
    add_executable(list_saver_child tests/win/list_saver_child.cpp)
    target_link_options(list_saver_child PRIVATE -municode)
    target_link_libraries(list_saver_child PRIVATE murkwell_win)

    # A Windows test program run under Wine, its tests discovered when ctest runs (the run's
    # prefix exists only then). LABEL "serial" makes its tests take turns with the others.
    function(murkwell_wine_tests target label)
        cmake_parse_arguments(PARSE_ARGV 2 TEST "" "ENVIRONMENT;FIXTURES" "SOURCES")
        add_executable(${target} ${TEST_SOURCES})
        target_link_libraries(${target} PRIVATE murkwell_shell GTest::gtest_main)
        target_compile_definitions(${target} PRIVATE
            MURKWELL_SAVER_CHILD="$<TARGET_FILE_NAME:list_saver_child>")
        add_dependencies(${target} list_saver_child)
        set(properties LABELS ${label})
        if(TEST_ENVIRONMENT)
            list(APPEND properties ENVIRONMENT ${TEST_ENVIRONMENT})
        endif()
        if(TEST_FIXTURES)
            list(APPEND properties FIXTURES_REQUIRED ${TEST_FIXTURES})
        endif()
        add_dependencies(${target} program_icon)
        gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
            NO_PRETTY_VALUES PROPERTIES ${properties})
    endfunction()

    murkwell_wine_tests(win_tests win SOURCES
        tests/win/test_folder.cpp
        tests/win/message_box_watcher.cpp
        tests/win/text_win_test.cpp
        tests/win/callback_guard_test.cpp
        tests/win/file_exists_test.cpp
        tests/win/list_storage_test.cpp
        tests/win/folder_disk_win_test.cpp
        tests/win/password_hasher_win_test.cpp
        tests/win/interrupted_save_test.cpp
        tests/win/main_menu_test.cpp
        tests/win/path_rules_test.cpp
        tests/win/batch_worker_test.cpp
    )

    # The presentation windows, linked with the program's resources so that they read the same
    # version information and get the same common controls.
    murkwell_wine_tests(present_tests win SOURCES
        resources/murkwell.rc
        tests/win/browser_window_test.cpp
        tests/win/about_window_test.cpp
        tests/win/skin_test.cpp
        tests/win/banner_test.cpp
    )

    # What the skin looks like on the screen, read back from it: no other window may lie over.
    murkwell_wine_tests(skin_screen_tests serial SOURCES
        resources/murkwell.rc
        tests/win/skin_screen_test.cpp
    )

    murkwell_wine_tests(skin_off_tests win SOURCES
        resources/murkwell.rc
        tests/win/skin_off_test.cpp
    )

    # The 32-bit program on 64-bit Windows: tools/test runs these in a 64-bit prefix, where
    # the host starts both builds.
    if(CMAKE_SIZEOF_VOID_P EQUAL 4)
        murkwell_wine_tests(wow64_tests wow64 SOURCES
            tests/win/test_folder.cpp
            tests/win/registry_test_support.cpp
            tests/win/wow64_test.cpp
        )
    endif()

    # The registry is shared by every test of a run.
    murkwell_wine_tests(registry_tests serial SOURCES
        tests/win/message_box_watcher.cpp
        tests/win/registry_test_support.cpp
        tests/win/settings_registry_test.cpp
        tests/win/stealth_platform_win_test.cpp
    )

    # A link loop for the search for hidden folders, made in the run's prefix before the
    # end-to-end tests.
    add_test(NAME Prepare.LinkLoop COMMAND ${CMAKE_SOURCE_DIR}/tests/e2e/make_link_loop.sh)
    set_tests_properties(Prepare.LinkLoop PROPERTIES FIXTURES_SETUP link_loop LABELS serial)

    # The real program on the shared virtual display: real input, the registry and the one-copy
    # rule are shared.
    murkwell_wine_tests(e2e_tests serial
        ENVIRONMENT "MURKWELL_DIST=${MURKWELL_DIST_DIR}"
        FIXTURES link_loop
        SOURCES
        tests/win/test_folder.cpp
        tests/win/registry_test_support.cpp
        tests/e2e/program_run.cpp
        tests/e2e/remote_controls.cpp
        tests/e2e/startup_e2e_test.cpp
        tests/e2e/main_window_e2e_test.cpp
        tests/e2e/add_folder_e2e_test.cpp
        tests/e2e/startup_settings_e2e_test.cpp
        tests/e2e/hotkeys_e2e_test.cpp
        tests/e2e/presentation_e2e_test.cpp
        tests/e2e/list_safety_e2e_test.cpp
        tests/e2e/find_hidden_e2e_test.cpp
        tests/e2e/screen_ink.cpp
        tests/e2e/dpi_e2e_test.cpp
        tests/e2e/long_work_e2e_test.cpp
        tests/e2e/keyboard_e2e_test.cpp
        tests/e2e/list_view_e2e_test.cpp
        tests/e2e/show_all_e2e_test.cpp
        tests/e2e/install_e2e_test.cpp
        tests/e2e/accessibility_e2e_test.cpp
    )
    target_compile_definitions(e2e_tests PRIVATE
        MURKWELL_VERSION_TEXT=L"${MURKWELL_VERSION_TEXT}" MURKWELL_SETUP_FILE="${setup_file}")
    if(CMAKE_SIZEOF_VOID_P EQUAL 8)
        # The 32-bit build's program and setup, for an update from one build to the other.
        target_compile_definitions(e2e_tests PRIVATE
            MURKWELL_PROGRAM_32="${CMAKE_SOURCE_DIR}/dist/Murkwell.exe"
            MURKWELL_SETUP_FILE_32="${MURKWELL_DOWNLOADS_DIR}/MurkwellSetup-${MURKWELL_VERSION_TEXT}.exe")
    endif()
    target_link_libraries(e2e_tests PRIVATE version)
    add_dependencies(e2e_tests Murkwell downloads)

    # The help file the build compiled into the program folder.
    add_test(NAME HelpFile.HoldsTheUserGuide
        COMMAND ${CMAKE_SOURCE_DIR}/tests/help/check_help.sh ${MURKWELL_DIST_DIR}/Help.chm)
    set_tests_properties(HelpFile.HoldsTheUserGuide PROPERTIES LABELS win)

    # The portable zip holds the program folder and nothing else.
    add_test(NAME Downloads.PortableZipHoldsTheProgramFolder
        COMMAND ${CMAKE_SOURCE_DIR}/tests/downloads/check_portable_zip.sh ${portable_zip})
    set_tests_properties(Downloads.PortableZipHoldsTheProgramFolder PROPERTIES LABELS win)
endif()

if(MURKWELL_BENCH)
    add_executable(hide_bench bench/win/hide_bench.cpp)
    target_link_libraries(hide_bench PRIVATE murkwell_win)
    add_executable(scan_bench bench/win/scan_bench.cpp)
    target_link_options(scan_bench PRIVATE -municode)
    target_link_libraries(scan_bench PRIVATE murkwell_win)

    # Times the real program from outside, as the end-to-end tests drive it.
    add_executable(window_bench
        bench/win/window_bench.cpp
        tests/win/test_folder.cpp
        tests/e2e/program_run.cpp
        tests/e2e/remote_controls.cpp
    )
    target_link_libraries(window_bench PRIVATE murkwell_win psapi)
    add_executable(bare_window WIN32 bench/win/bare_window.cpp)
    target_link_options(bare_window PRIVATE -municode)
    # The same, hosting the system web browser control on a local page as the main window does.
    add_executable(bare_web_window WIN32 bench/win/bare_web_window.cpp)
    target_link_options(bare_web_window PRIVATE -municode)
    target_link_libraries(bare_web_window PRIVATE murkwell_win)
    add_dependencies(window_bench Murkwell bare_window bare_web_window)
endif()
