# keymap_add_test(<name> SOURCES <files...> LIBS <targets...>)
# Builds one QtTest executable and registers it with CTest on the offscreen platform. In a build
# with sanitizers a leak fails the test.
function(keymap_add_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE Qt6::Test ${ARG_LIBS})
    target_compile_definitions(${name} PRIVATE
        KEYMAP_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
        KEYMAP_TEST_DATA_DIR="${PROJECT_SOURCE_DIR}/tests/data")
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ASAN_OPTIONS=detect_leaks=1"
        TIMEOUT 300)
endfunction()
