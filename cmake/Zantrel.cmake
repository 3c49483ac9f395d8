# zantrel_library(<name> SOURCES ... LIBS ...): a static library of one subsystem.
function(zantrel_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_LIBS})
endfunction()

# zantrel_discover(<target> [TIMEOUT s]): registers a GoogleTest executable's tests with CTest.
# Tests (and their discovery at build time) run offscreen with a private runtime folder, so
# window tests need no display and tests never meet the user's own windows or host sockets.
function(zantrel_discover target)
  cmake_parse_arguments(ARG "" "TIMEOUT" "" ${ARGN})
  set(runtime ${PROJECT_BINARY_DIR}/test-runtime)
  file(MAKE_DIRECTORY ${runtime})
  file(CHMOD ${runtime} DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
  if(NOT ARG_TIMEOUT)
    set(ARG_TIMEOUT 60)
  endif()
  set_target_properties(${target} PROPERTIES CROSSCOMPILING_EMULATOR
    "env;QT_QPA_PLATFORM=offscreen;XDG_RUNTIME_DIR=${runtime};ZANTREL_BINARY_DIR=${PROJECT_BINARY_DIR}")
  gtest_discover_tests(${target}
    DISCOVERY_TIMEOUT 30
    PROPERTIES TIMEOUT ${ARG_TIMEOUT})
endfunction()

# zantrel_test(<name> [QT] SOURCES ... LIBS ... [TIMEOUT s]): a GoogleTest executable.
# QT: the tests run inside a QApplication (window tests, Qt event loops); otherwise gtest_main.
function(zantrel_test name)
  cmake_parse_arguments(ARG "QT" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  if(ARG_QT)
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} zantrel_qt_test_main Qt6::Widgets Qt6::Test
                          GTest::gtest GTest::gmock)
  else()
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main GTest::gmock)
  endif()
  target_compile_definitions(${name} PRIVATE
    ZANTREL_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    ZANTREL_FIXTURES="${PROJECT_SOURCE_DIR}/tests/fixtures"
    ZANTREL_BINARY_DIR="${PROJECT_BINARY_DIR}")
  if(NOT ARG_TIMEOUT)
    set(ARG_TIMEOUT 60)
  endif()
  zantrel_discover(${name} TIMEOUT ${ARG_TIMEOUT})
endfunction()
