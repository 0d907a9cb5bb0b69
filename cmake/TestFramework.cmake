# Makes GTest::gtest, GTest::gtest_main and GTest::gmock available to the test folders: Debian's
# libraries in a native build, built from Debian's GoogleTest sources when cross-compiling.
if(CMAKE_CROSSCOMPILING)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
  # SYSTEM: its headers are not ours to keep free of warnings.
  add_subdirectory(${FW_GOOGLETEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
else()
  find_package(GTest REQUIRED)
endif()
