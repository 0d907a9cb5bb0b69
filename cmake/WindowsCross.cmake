# What a build cross-compiled for Windows needs from the build machine: header-only libraries
# taken from the host, and Wine to run the Windows test programs. Does nothing in a native build.
if(NOT (CMAKE_CROSSCOMPILING AND WIN32))
  return()
endif()

# CLI11 is header-only, but its package file points at the host's /usr/include, and putting that
# folder on a cross compiler's include path would mix glibc headers into a Windows build. A folder
# holding only links to the headers we use keeps the host's other headers out of sight.
find_path(FW_HOST_CLI11_INCLUDE_DIR CLI/CLI.hpp PATHS /usr/include NO_DEFAULT_PATH
          NO_CMAKE_FIND_ROOT_PATH)
if(NOT FW_HOST_CLI11_INCLUDE_DIR)
  message(FATAL_ERROR "CLI11 headers not found in /usr/include (Debian package libcli11-dev)")
endif()
set(fw_host_headers "${CMAKE_BINARY_DIR}/host-headers")
file(MAKE_DIRECTORY "${fw_host_headers}")
file(CREATE_LINK "${FW_HOST_CLI11_INCLUDE_DIR}/CLI" "${fw_host_headers}/CLI" SYMBOLIC)
add_library(CLI11::CLI11 INTERFACE IMPORTED GLOBAL)
target_include_directories(CLI11::CLI11 SYSTEM INTERFACE "${fw_host_headers}")

# SimpleIni, the settings file's parser, is used header-only (no text conversion) the same way.
find_path(FW_HOST_SIMPLEINI_INCLUDE_DIR SimpleIni.h PATHS /usr/include NO_DEFAULT_PATH
          NO_CMAKE_FIND_ROOT_PATH)
if(FW_HOST_SIMPLEINI_INCLUDE_DIR)
  file(CREATE_LINK "${FW_HOST_SIMPLEINI_INCLUDE_DIR}/SimpleIni.h" "${fw_host_headers}/SimpleIni.h"
       SYMBOLIC)
  add_library(SimpleIni::Headers INTERFACE IMPORTED GLOBAL)
  target_include_directories(SimpleIni::Headers SYSTEM INTERFACE "${fw_host_headers}")
endif()

# GoogleTest has no libraries for the target system; tests/ builds them from these sources.
set(FW_GOOGLETEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources (Debian package googletest)")

# ctest and the test discovery run each Windows program through Wine, headless, in a Wine
# configuration of the build's own so that nothing outside the build folder is touched.
find_program(FW_WINE NAMES wine64 wine PATHS /usr/lib/wine)
set(FW_WINEPREFIX "${CMAKE_BINARY_DIR}/wineprefix" CACHE PATH "Wine configuration used by the tests")
if(FW_WINE AND NOT CMAKE_CROSSCOMPILING_EMULATOR)
  set(CMAKE_CROSSCOMPILING_EMULATOR
      ${CMAKE_COMMAND} -E env WINEPREFIX=${FW_WINEPREFIX} WINEDEBUG=-all ${FW_WINE})
endif()
# List the tests when ctest runs, not after each link: the build then needs no Wine.
set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)
