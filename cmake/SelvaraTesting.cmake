# Tests of both flavours. In the Windows flavour every test program is a .exe that ctest starts through
# CMAKE_CROSSCOMPILING_EMULATOR (Wine, see cmake/SelvaraWindows.cmake and tools/wine/wine-run), which
# is why every test has a timeout and cases are discovered only when the tests run.
#
# GoogleTest from the Debian source package, built with the project's own flags in both flavours.
set(SELVARA_GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources")
if(BUILD_TESTING)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
  add_subdirectory(${SELVARA_GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/_googletest EXCLUDE_FROM_ALL)
  include(GoogleTest)
endif()

# selvara_add_gtest(<name> SOURCES ... [LIBS ...] [RESOURCES file.rc ...] [GUI] [TIMEOUT s])
# Builds one GoogleTest program and registers its cases with ctest. Cases are discovered when the
# tests run, never at build time, so a Windows build never has to start Wine. GUI tests share one
# lock so that only one of them drives windows at a time. Every test program links
# selvara_test_support (tests/support: whole-file reads, list view items).
function(selvara_add_gtest name)
  if(NOT BUILD_TESTING)
    return()
  endif()
  cmake_parse_arguments(T "GUI" "TIMEOUT" "SOURCES;LIBS;RESOURCES" ${ARGN})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 120)
  endif()
  add_executable(${name} ${T_SOURCES} ${T_RESOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} selvara_test_support GTest::gtest_main
    ${SELVARA_WIN32_SYSTEM_LIBS})
  set(props TIMEOUT ${T_TIMEOUT})
  if(T_GUI)
    list(APPEND props RESOURCE_LOCK selvara_gui)
  endif()
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 120
    TEST_PREFIX "${name}."
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
    PROPERTIES ${props})
endfunction()
