# Native (Linux) build: the logic's unit tests, fuzz targets and benchmarks.

if(MURKWELL_SANITIZE)
    set(sanitizers -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_compile_options(murkwell_logic PUBLIC ${sanitizers})
    target_link_options(murkwell_logic PUBLIC ${sanitizers})
endif()

if(MURKWELL_TESTS)
    add_executable(unit_tests
        tests/unit/text_codec_test.cpp
        tests/unit/list_file_test.cpp
        tests/unit/folder_hider_test.cpp
        tests/unit/runtime_error_numbers_test.cpp
        tests/unit/list_commands_test.cpp
        tests/unit/show_all_run_test.cpp
        tests/unit/disk_check_test.cpp
        tests/unit/hidden_folder_scan_test.cpp
        tests/unit/command_line_test.cpp
        tests/unit/placement_test.cpp
        tests/unit/window_geometry_test.cpp
        tests/unit/main_layout_test.cpp
        tests/unit/list_sort_test.cpp
        tests/unit/path_ellipsis_test.cpp
        tests/unit/setting_rules_test.cpp
        tests/unit/stealth_warning_test.cpp
        tests/unit/machine_store_test.cpp
        tests/unit/password_store_test.cpp
        tests/unit/startup_pause_test.cpp
        tests/unit/hotkeys_test.cpp
        tests/unit/product_info_test.cpp
        tests/unit/skin_rules_test.cpp
        tests/unit/skin_frame_layout_test.cpp
        tests/unit/browser_layout_test.cpp
    )
    target_link_libraries(unit_tests PRIVATE murkwell_logic GTest::gtest_main)
    gtest_discover_tests(unit_tests DISCOVERY_TIMEOUT 60 NO_PRETTY_VALUES)
    # The help file is compiled by the Windows build into the program folder.
    add_test(NAME HelpFile.HoldsTheUserGuide
        COMMAND ${CMAKE_SOURCE_DIR}/tests/help/check_help.sh ${CMAKE_SOURCE_DIR}/dist/Help.chm)
endif()

if(MURKWELL_FUZZ)
    add_executable(list_file_fuzz tests/fuzz/list_file_fuzz.cpp)
    target_compile_options(list_file_fuzz PRIVATE -fsanitize=fuzzer)
    target_link_options(list_file_fuzz PRIVATE -fsanitize=fuzzer)
    target_link_libraries(list_file_fuzz PRIVATE murkwell_logic)
endif()

if(MURKWELL_BENCH)
    find_package(benchmark REQUIRED)
    add_executable(logic_bench bench/native/list_file_bench.cpp)
    target_link_libraries(logic_bench PRIVATE murkwell_logic benchmark::benchmark_main)
endif()
