# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 toolchain (g++-mingw-w64-x86-64).
# Use: cmake -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake [-DCMAKE_PREFIX_PATH=<Qt for MinGW>] ...
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

# The posix thread model, whatever the system's alternatives point to: its libstdc++ has
# std::thread and std::mutex, and the Qt for MinGW (scripts/setup-windows-qt) is built with it.
set(mingw_triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${mingw_triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw_triple}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw_triple}-windres)

# Headers, libraries and packages come from the MinGW tree and from the prefixes named in
# CMAKE_PREFIX_PATH (a Qt built for MinGW); build tools from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${mingw_triple} ${CMAKE_PREFIX_PATH})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
