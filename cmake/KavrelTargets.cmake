# Helpers that give every target of one kind the same shape.
include(GoogleTest)

# A library of one layer. Sources include each other as "layer/file.h" from src/.
# Outside src/ui and src/platform/shell/qt every library is a logic layer: any Qt GUI or Widgets header it
# includes (even through Qt Core's include path) stops the build with an error naming the rule.
function(kavrel_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;PRIVATE_LIBS" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC ${ARG_LIBS} PRIVATE ${ARG_PRIVATE_LIBS})
    if(NOT CMAKE_CURRENT_SOURCE_DIR MATCHES "/src/(ui|platform/shell/qt)(/|$)")
        target_include_directories(${name} BEFORE PRIVATE ${PROJECT_SOURCE_DIR}/cmake/layer_guard)
    endif()
endfunction()

# A GoogleTest program; each test case becomes a CTest test. Tests run in their own temporary folders.
function(kavrel_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests)
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} kavrel_test_support GTest::gmock GTest::gtest_main)
    gtest_discover_tests(${name}
        DISCOVERY_MODE PRE_TEST
        PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;KAVREL_FIXTURES=${PROJECT_SOURCE_DIR}/tests/fixtures")
endfunction()

# A parser fuzz target: a libFuzzer program when KAVREL_FUZZ is on (clang), otherwise a regression
# test that runs the target over its committed corpus in fuzz/corpus/<name>.
function(kavrel_fuzz_target name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS})
    if(KAVREL_FUZZ)
        target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
        target_link_options(${name} PRIVATE -fsanitize=fuzzer)
    else()
        target_sources(${name} PRIVATE ${PROJECT_SOURCE_DIR}/fuzz/corpus_driver.cpp)
        add_test(NAME fuzz_corpus.${name}
                 COMMAND ${name} ${PROJECT_SOURCE_DIR}/fuzz/corpus/${name})
    endif()
endfunction()

# Adds the listed subfolders that have a CMakeLists.txt, so each layer's folder can land on its own.
function(kavrel_add_present_subdirectories)
    foreach(dir ${ARGN})
        if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/CMakeLists.txt)
            add_subdirectory(${dir})
        endif()
    endforeach()
endfunction()
