# velmora_domain_library(NAME SOURCES ... DEPENDS ...)
# A domain subsystem: a static library with no Qt. DEPENDS names the subsystems
# beneath it, so a dependency in the wrong direction fails to link.
function(velmora_domain_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
    add_library(velmora_${name} STATIC ${ARG_SOURCES})
    add_library(velmora::${name} ALIAS velmora_${name})
    target_include_directories(velmora_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(velmora_${name} PUBLIC nlohmann_json::nlohmann_json)
    foreach(dep IN LISTS ARG_DEPENDS)
        target_link_libraries(velmora_${name} PUBLIC velmora::${dep})
    endforeach()
endfunction()

# velmora_test(NAME SOURCES ... LIBS ... [GUI])
# One GoogleTest executable. GUI tests run on the offscreen platform and, unless
# their sources define main(), get one that makes the QApplication: a main in a
# static library is only linked when nothing else defines it.
function(velmora_test name)
    cmake_parse_arguments(ARG "GUI" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    if(ARG_GUI)
        target_link_libraries(${name} PRIVATE ${ARG_LIBS} velmora_gui_test_main Qt6::Widgets Qt6::Test)
        set_target_properties(${name} PROPERTIES AUTOMOC ON)
    endif()
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
    target_compile_definitions(${name} PRIVATE
        VELMORA_FIXTURES_DIR="${PROJECT_SOURCE_DIR}/tests/fixtures"
        VELMORA_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
    set(properties "")
    if(ARG_GUI)
        set(properties ENVIRONMENT QT_QPA_PLATFORM=offscreen)
    endif()
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST PROPERTIES ${properties})
endfunction()
