# zantrel_library(<name> SOURCES ... [QT] LIBS ...): a static library of one subsystem.
function(zantrel_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_LIBS})
endfunction()

# zantrel_test(<name> SOURCES ... LIBS ...): a GoogleTest executable registered with CTest.
# Every test runs offscreen with a private runtime folder, so window tests need no display
# and tests never meet the user's own windows or host sockets.
function(zantrel_test name)
  cmake_parse_arguments(ARG "" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main GTest::gmock)
  target_compile_definitions(${name} PRIVATE
    ZANTREL_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    ZANTREL_FIXTURES="${PROJECT_SOURCE_DIR}/tests/fixtures"
    ZANTREL_BINARY_DIR="${PROJECT_BINARY_DIR}")
  set(runtime ${PROJECT_BINARY_DIR}/test-runtime)
  file(MAKE_DIRECTORY ${runtime})
  file(CHMOD ${runtime} DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
  if(NOT ARG_TIMEOUT)
    set(ARG_TIMEOUT 60)
  endif()
  gtest_discover_tests(${name}
    DISCOVERY_TIMEOUT 30
    PROPERTIES
      TIMEOUT ${ARG_TIMEOUT}
      ENVIRONMENT "QT_QPA_PLATFORM=offscreen;XDG_RUNTIME_DIR=${runtime};ZANTREL_BINARY_DIR=${PROJECT_BINARY_DIR}")
endfunction()
