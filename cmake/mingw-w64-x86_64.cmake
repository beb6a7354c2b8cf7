# Cross-compiles for 64-bit Windows with Debian's MinGW-w64, posix threads variant
# (the one whose runtime ships std::thread and std::mutex).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${MINGW_TRIPLE}-windres)

# Libraries built for Windows (Qt, libpng) are searched like the MinGW sysroot, never the host's.
set(MERISKO_WINDOWS_PREFIX "" CACHE PATH "Prefix holding Qt and libpng built for Windows")
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES MERISKO_WINDOWS_PREFIX)
set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_TRIPLE} ${MERISKO_WINDOWS_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
