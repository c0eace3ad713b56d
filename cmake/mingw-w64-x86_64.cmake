# 64-bit Windows with MinGW-w64: cmake -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
set(QHT_MINGW_TRIPLE x86_64-w64-mingw32)
set(QHT_MINGW_PROCESSOR AMD64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
