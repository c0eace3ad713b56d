# Shared part of the MinGW-w64 toolchain files; the including file sets QHT_MINGW_TRIPLE first.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${QHT_MINGW_PROCESSOR})

# Debian's "-posix" compilers carry std::thread and std::mutex, which GoogleTest needs.
set(CMAKE_C_COMPILER ${QHT_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QHT_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${QHT_MINGW_TRIPLE}-windres)

# Libraries come from the MinGW sysroot (zlib) and from QHT_WINDOWS_PREFIX, where
# tools/windows-deps installs libpng and libjpeg-turbo built for the target.
set(CMAKE_FIND_ROOT_PATH /usr/${QHT_MINGW_TRIPLE} ${QHT_WINDOWS_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The C++ runtime is the shared one, as Qt uses it: one runtime in each process. Windows programs
# need libstdc++-6.dll, libgcc_s_*.dll and libwinpthread-1.dll beside them or on their path.
set(ZLIB_USE_STATIC_LIBS ON)
