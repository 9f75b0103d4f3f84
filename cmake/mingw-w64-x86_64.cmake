# Cross-compiling for 64-bit Windows with Debian's mingw-w64 (posix thread
# model, which std::thread and std::mutex need). Libraries cross-built by
# scripts/windows/setup.sh are found under SPARLIN_MINGW_PREFIX; programs of
# the build (test discovery) run under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(_triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${_triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${_triple}-g++-posix)
set(CMAKE_RC_COMPILER ${_triple}-windres)
set(CMAKE_AR ${_triple}-ar CACHE FILEPATH "")
set(CMAKE_RANLIB ${_triple}-ranlib CACHE FILEPATH "")

if(NOT SPARLIN_MINGW_PREFIX)
  if(DEFINED ENV{SPARLIN_MINGW_PREFIX})
    set(SPARLIN_MINGW_PREFIX $ENV{SPARLIN_MINGW_PREFIX})
  else()
    set(SPARLIN_MINGW_PREFIX /opt/sparlin-mingw)
  endif()
endif()
# try_compile projects re-read this file; hand the prefix on to them.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES SPARLIN_MINGW_PREFIX)

set(CMAKE_FIND_ROOT_PATH /usr/${_triple} ${SPARLIN_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# Static archives first, so that the programs need no DLL beside them.
set(CMAKE_FIND_LIBRARY_SUFFIXES .a .dll.a .lib)

set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/windows/wine-run.sh)

# When optimising, GCC 12 reports a false -Wrestrict inside std::u16string's
# operator+ (GCC bug 105329) and false -Wmaybe-uninitialized on std::optional;
# neither may stop a -Werror build (the second stays visible as a warning).
set(CMAKE_CXX_FLAGS_INIT "-Wno-restrict -Wno-error=maybe-uninitialized")
