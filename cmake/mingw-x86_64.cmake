# Cross-compiles the same Windows program for x86_64: the build that the
# Windows suites run on where this machine cannot run 32-bit code.
set(NETBAR_MINGW_ARCH x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
