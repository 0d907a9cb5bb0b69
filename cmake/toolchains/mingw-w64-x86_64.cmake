# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (g++-mingw-w64-x86-64-posix). Programs
# are linked statically, so an .exe runs on its own without the compiler's DLLs beside it.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(FW_MINGW_TRIPLET x86_64-w64-mingw32)
# The posix flavour has std::thread and std::mutex, which GoogleTest uses.
set(CMAKE_C_COMPILER ${FW_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${FW_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${FW_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${FW_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
