# varlenta_add_test(<name> SOURCES <files...> LIBS <targets...> [LABELS <labels...>] [TIMEOUT <s>])
# One QtTest executable per test file, registered with CTest. GUI tests run offscreen.
function(varlenta_add_test name)
    cmake_parse_arguments(T "" "TIMEOUT" "SOURCES;LIBS;LABELS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE Qt6::Test ${T_LIBS})
    target_compile_definitions(${name} PRIVATE
        VARLENTA_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
        VARLENTA_BINARY_DIR="${PROJECT_BINARY_DIR}"
        VARLENTA_SERVER_BIN="${PROJECT_BINARY_DIR}/src/server/varlenta-server"
        VARLENTA_CALL_BIN="${PROJECT_BINARY_DIR}/src/tools/varlenta-call")
    add_test(NAME ${name} COMMAND ${name})
    if(NOT T_TIMEOUT)
        set(T_TIMEOUT 120)
    endif()
    set_tests_properties(${name} PROPERTIES
        TIMEOUT ${T_TIMEOUT}
        LABELS "${T_LABELS}"
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QTWEBENGINE_DISABLE_SANDBOX=1")
endfunction()
