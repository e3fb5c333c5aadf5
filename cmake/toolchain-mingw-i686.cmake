# Windows i686 with mingw-w64: cmake -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw-i686.cmake
set(ZOP_MINGW_ARCH i686)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-mingw.cmake)
