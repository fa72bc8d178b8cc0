# tarifex_add_test(NAME SOURCES... LIBS...): one QtTest executable registered with ctest.
# Tests run with no display of their own: widgets go to the offscreen platform.
function(tarifex_add_test name)
    cmake_parse_arguments(T "" "" "SOURCES;LIBS;LABELS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE Qt6::Test ${T_LIBS})
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;TARIFEX_SOURCE_DIR=${PROJECT_SOURCE_DIR};TARIFEX_FIXTURES=${PROJECT_SOURCE_DIR}/../shared/fixtures/paradox"
        TIMEOUT 600)
    if(T_LABELS)
        set_tests_properties(${name} PROPERTIES LABELS "${T_LABELS}")
    endif()
endfunction()
