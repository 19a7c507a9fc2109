# Cross build for 64-bit Windows with Debian's mingw-w64. The -posix
# compilers carry the thread model that std::thread and std::mutex need.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(WRENHOP_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${WRENHOP_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${WRENHOP_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${WRENHOP_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${WRENHOP_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Self-contained programs: Wine finds no MinGW runtime DLLs beside them.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

find_program(WRENHOP_WINE wine)
if(WRENHOP_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${WRENHOP_WINE})
endif()
