# Shared by the two toolchain files: cross-compiling Tolvane for Windows with
# MinGW-w64 on Linux. The including file sets CMAKE_SYSTEM_PROCESSOR,
# TOOLCHAIN_PREFIX and TOLVANE_WINE_LOADER first.
# The posix thread-model compilers are required: the win32 ones lack std::mutex.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER   ${TOOLCHAIN_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TOOLCHAIN_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER  ${TOOLCHAIN_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TOOLCHAIN_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# No MinGW DLL travels beside the programs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Test programs run under Wine's loader for this architecture, named
# directly: the `wine` wrapper picks the 32-bit loader whenever it is
# installed, whatever the program.
if(EXISTS ${TOLVANE_WINE_LOADER})
  set(CMAKE_CROSSCOMPILING_EMULATOR ${TOLVANE_WINE_LOADER})
endif()
