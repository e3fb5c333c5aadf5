# Cross-compilation to Windows with Debian's mingw-w64 toolchain.
# Included by toolchain-mingw-<arch>.cmake after it has set ZOP_MINGW_ARCH
# (i686 or x86_64).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${ZOP_MINGW_ARCH})

set(ZOP_MINGW_TRIPLET ${ZOP_MINGW_ARCH}-w64-mingw32)
set(CMAKE_C_COMPILER ${ZOP_MINGW_TRIPLET}-gcc)
set(CMAKE_CXX_COMPILER ${ZOP_MINGW_TRIPLET}-g++)
set(CMAKE_RC_COMPILER ${ZOP_MINGW_TRIPLET}-windres)
set(ZOP_WIDL ${ZOP_MINGW_TRIPLET}-widl)
if(ZOP_MINGW_ARCH STREQUAL "i686")
  set(ZOP_WIDL_TARGET --win32)
else()
  set(ZOP_WIDL_TARGET --win64)
endif()

set(CMAKE_FIND_ROOT_PATH /usr/${ZOP_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Link the compiler's runtimes statically, so that the modules import only
# system DLLs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
