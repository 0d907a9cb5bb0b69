# Included before the sources when FW_BUILD_FUZZERS is on: every library the fuzz targets call is
# built with coverage feedback for libFuzzer and with AddressSanitizer and
# UndefinedBehaviorSanitizer, so the fuzzer is guided into the program's code and any report stops
# the run.
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  message(FATAL_ERROR "FW_BUILD_FUZZERS needs clang: configure with -DCMAKE_CXX_COMPILER=clang++")
endif()
add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all
                    -fno-omit-frame-pointer)
add_link_options(-fsanitize=address,undefined)
