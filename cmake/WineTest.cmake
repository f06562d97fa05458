# add_wine_test(<name> SOURCES ... LIBS ...)
# One ctest entry per test executable, run through Wine in the project's prefix.
set(VARDA_WINEPREFIX "${CMAKE_BINARY_DIR}/wineprefix" CACHE PATH "Wine prefix for tests")

function(add_wine_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} varda_test_support GTest::gtest GTest::gmock)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "WINEPREFIX=${VARDA_WINEPREFIX};WINEDEBUG=-all;WINEDLLOVERRIDES=mscoree,mshtml=;VARDA_BUILD_DIR=${CMAKE_BINARY_DIR}"
    TIMEOUT 600)
endfunction()
