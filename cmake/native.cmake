# Native (Linux) build: the logic's unit tests, fuzz targets and benchmarks.

if(MURKWELL_SANITIZE)
    set(sanitizers -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    foreach(library ${MURKWELL_LIBRARIES})
        target_compile_options(${library} PUBLIC ${sanitizers})
        target_link_options(${library} PUBLIC ${sanitizers})
    endforeach()
endif()

if(MURKWELL_TESTS)
    add_executable(unit_tests
        tests/unit/platform/held_back_prompter_test.cpp
        tests/unit/platform/placement_test.cpp
        tests/unit/platform/runtime_error_numbers_test.cpp
        tests/unit/present/banner_rules_test.cpp
        tests/unit/present/browser_layout_test.cpp
        tests/unit/present/button_face_test.cpp
        tests/unit/present/product_info_test.cpp
        tests/unit/present/skin_frame_layout_test.cpp
        tests/unit/present/skin_rules_test.cpp
        tests/unit/present/menu_access_keys_test.cpp
        tests/unit/protect/app_hider_test.cpp
        tests/unit/protect/hotkeys_test.cpp
        tests/unit/protect/machine_store_test.cpp
        tests/unit/protect/password_store_test.cpp
        tests/unit/protect/setting_rules_test.cpp
        tests/unit/protect/stealth_warning_test.cpp
        tests/unit/shell/command_line_test.cpp
        tests/unit/shell/folder_row_model_test.cpp
        tests/unit/shell/list_sort_test.cpp
        tests/unit/shell/status_totals_test.cpp
        tests/unit/shell/main_layout_test.cpp
        tests/unit/shell/main_shortcuts_test.cpp
        tests/unit/shell/path_ellipsis_test.cpp
        tests/unit/shell/startup_pause_test.cpp
        tests/unit/shell/window_geometry_test.cpp
        tests/unit/vault/disk_check_test.cpp
        tests/unit/vault/folder_hider_test.cpp
        tests/unit/vault/hidden_folder_scan_test.cpp
        tests/unit/vault/list_commands_test.cpp
        tests/unit/vault/list_file_test.cpp
        tests/unit/vault/redirected_path_test.cpp
        tests/unit/vault/show_all_run_test.cpp
        tests/unit/platform/text_codec_test.cpp
    )
    target_link_libraries(unit_tests PRIVATE murkwell_logic GTest::gtest_main)
    gtest_discover_tests(unit_tests DISCOVERY_TIMEOUT 60 NO_PRETTY_VALUES)
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
