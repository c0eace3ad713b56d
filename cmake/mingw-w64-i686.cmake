# 32-bit Windows with MinGW-w64: cmake -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-i686.cmake
set(QHT_MINGW_TRIPLE i686-w64-mingw32)
set(QHT_MINGW_PROCESSOR x86)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
