# vesk_add_test(<name> LABEL core|gui SOURCES ... LIBS ...)
# One GoogleTest executable registered as one CTest test. gui tests run on
# Qt's offscreen platform and get a QApplication from gui_test_main.cpp.
function(vesk_add_test name)
    cmake_parse_arguments(T "" "LABEL" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE vesk::options GTest::gtest GTest::gmock ${T_LIBS})
    if(T_LABEL STREQUAL "gui")
        target_sources(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support/gui_test_main.cpp)
        target_link_libraries(${name} PRIVATE Qt6::Widgets Qt6::Test)
    else()
        target_link_libraries(${name} PRIVATE GTest::gtest_main)
    endif()
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES
        LABELS "${T_LABEL}"
        WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;VESK_SOURCE_DIR=${PROJECT_SOURCE_DIR};VESK_BINARY_DIR=${CMAKE_BINARY_DIR}")
endfunction()

# vesk_add_fuzzer(<name> SOURCES ... LIBS ... CORPUS <dir>)
# The fuzz target defines LLVMFuzzerTestOneInput. With VESK_FUZZ (clang) it
# also builds as a libFuzzer binary, a dependency of the target `fuzzers`,
# listed with its corpus in <build>/fuzz-targets.txt; always, a replay binary
# runs the committed corpus as an ordinary test.
function(vesk_add_fuzzer name)
    cmake_parse_arguments(F "" "CORPUS" "SOURCES;LIBS" ${ARGN})
    add_executable(${name}_replay ${F_SOURCES} ${PROJECT_SOURCE_DIR}/tests/support/fuzz_replay_main.cpp)
    target_link_libraries(${name}_replay PRIVATE vesk::options ${F_LIBS})
    add_test(NAME ${name}_corpus COMMAND ${name}_replay ${F_CORPUS})
    set_tests_properties(${name}_corpus PROPERTIES LABELS core)
    if(VESK_FUZZ)
        add_executable(${name} ${F_SOURCES})
        target_compile_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
        target_link_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
        target_link_libraries(${name} PRIVATE vesk::options ${F_LIBS})
        # The fuzz preset builds the target `fuzzers` alone; scripts/fuzz-smoke.sh
        # finds each target's corpus in fuzz-targets.txt.
        if(NOT TARGET fuzzers)
            add_custom_target(fuzzers)
            file(WRITE ${CMAKE_BINARY_DIR}/fuzz-targets.txt "")
        endif()
        add_dependencies(fuzzers ${name})
        file(APPEND ${CMAKE_BINARY_DIR}/fuzz-targets.txt "${name} ${F_CORPUS}\n")
    endif()
endfunction()

# vesk_fuzz_instrument(<library>)
# In fuzz builds, compiles a library that fuzz targets link with coverage and
# sanitizers, so the fuzzer's guidance reaches into it instead of stopping at
# its door. Does nothing otherwise.
function(vesk_fuzz_instrument library)
    if(VESK_FUZZ)
        target_compile_options(${library} PRIVATE -fsanitize=fuzzer-no-link,address,undefined)
        target_link_options(${library} INTERFACE -fsanitize=address,undefined)
    endif()
endfunction()
