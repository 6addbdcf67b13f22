# One helper registers every test executable with ctest.
#   quorvel_add_test(NAME name SOURCES a.cpp b.cpp LIBS lib... [QT])
# QT marks tests that create widgets: they get a QApplication and run on the offscreen platform,
# so no display is needed.
include(GoogleTest)

function(quorvel_add_test)
  cmake_parse_arguments(T "QT" "NAME" "SOURCES;LIBS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  # Every test may take a temporary folder (tests/support/TempFolder.h).
  target_link_libraries(${T_NAME} PRIVATE quorvel_temp_folder)
  if(T_QT)
    # Widget tests get a main() that creates the QApplication (tests/support).
    target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock quorvel_qt_test_main)
  else()
    target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  endif()
  target_compile_definitions(${T_NAME} PRIVATE
    QUORVEL_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data/fixtures"
    QUORVEL_BIN_DIR="${CMAKE_BINARY_DIR}/bin"
    QUORVEL_DOCS_DIR="${PROJECT_SOURCE_DIR}/docs")
  set(env "")
  if(T_QT)
    set_target_properties(${T_NAME} PROPERTIES AUTOMOC ON)
    set(env "QT_QPA_PLATFORM=offscreen;QUORVEL_NO_OPEN=1")
  endif()
  gtest_discover_tests(${T_NAME}
    DISCOVERY_MODE PRE_TEST
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
    PROPERTIES ENVIRONMENT "${env}")
endfunction()

# A test that is a plain program: exit code 0 passes.
function(quorvel_add_plain_test)
  cmake_parse_arguments(T "" "NAME" "SOURCES;LIBS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS})
  add_test(NAME ${T_NAME} COMMAND ${T_NAME})
endfunction()
