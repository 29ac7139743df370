# One GoogleTest program per unit; every test runs headless.
# ovalto_add_test(name [GUI] SOURCES ... LIBS ...): GUI tests get a
# QApplication before the first test runs.
find_package(GTest REQUIRED)
include(GoogleTest)

function(ovalto_add_test name)
  cmake_parse_arguments(ARG "GUI" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  if(ARG_GUI)
    target_link_libraries(${name} PRIVATE ovalto_qt_test_main GTest::gtest ${ARG_LIBS})
  else()
    target_link_libraries(${name} PRIVATE GTest::gtest_main ${ARG_LIBS})
  endif()
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
