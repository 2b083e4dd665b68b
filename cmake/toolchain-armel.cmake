# Cross build for the camera's processor: an ARM926 (ARMv5TE), Debian armel.
# The target's headers and libraries (libc, libstdc++, Qt) come from a
# sysroot of unpacked armel packages (scripts/cross-build-armel.sh makes it);
# Qt's build tools (moc, rcc, uic) and the build-time svg renderer run from
# the host.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR arm)
set(CMAKE_LIBRARY_ARCHITECTURE arm-linux-gnueabi)

if(NOT OSTREL_ARMEL_SYSROOT)
  set(OSTREL_ARMEL_SYSROOT "${CMAKE_CURRENT_LIST_DIR}/../build-armel/sysroot")
endif()
get_filename_component(OSTREL_ARMEL_SYSROOT "${OSTREL_ARMEL_SYSROOT}" ABSOLUTE)
if(NOT EXISTS "${OSTREL_ARMEL_SYSROOT}/usr/lib/arm-linux-gnueabi/cmake/Qt6")
  message(FATAL_ERROR "No armel sysroot with Qt 6 at ${OSTREL_ARMEL_SYSROOT}: run scripts/cross-build-armel.sh")
endif()
# Passed on to try_compile() projects, which read this file again.
set(CMAKE_TRY_COMPILE_PLATFORM_VARIABLES OSTREL_ARMEL_SYSROOT)

set(CMAKE_SYSROOT "${OSTREL_ARMEL_SYSROOT}")
set(CMAKE_C_COMPILER arm-linux-gnueabi-gcc)
set(CMAKE_CXX_COMPILER arm-linux-gnueabi-g++)
set(CMAKE_C_FLAGS_INIT "-march=armv5te -mtune=arm926ej-s")
set(CMAKE_CXX_FLAGS_INIT "-march=armv5te -mtune=arm926ej-s")
# Shared libraries the target's libraries need in turn are found through the
# sysroot's library folders, not the host's.
set(CMAKE_EXE_LINKER_FLAGS_INIT
  "-Wl,-rpath-link,${OSTREL_ARMEL_SYSROOT}/lib/arm-linux-gnueabi -Wl,-rpath-link,${OSTREL_ARMEL_SYSROOT}/usr/lib/arm-linux-gnueabi")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "${CMAKE_EXE_LINKER_FLAGS_INIT}")

# Libraries, headers and packages only from the sysroot; programs only from
# the host.
set(CMAKE_FIND_ROOT_PATH "${OSTREL_ARMEL_SYSROOT}")
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# pkg-config reads the target's package files only, never the host's.
set(ENV{PKG_CONFIG_LIBDIR} "${OSTREL_ARMEL_SYSROOT}/usr/lib/arm-linux-gnueabi/pkgconfig:${OSTREL_ARMEL_SYSROOT}/usr/share/pkgconfig")
set(ENV{PKG_CONFIG_SYSROOT_DIR} "${OSTREL_ARMEL_SYSROOT}")

# Qt's host half: moc, rcc and uic of the host's own Qt of the same version.
set(QT_HOST_PATH "/usr")
set(QT_HOST_PATH_CMAKE_DIR "/usr/lib/x86_64-linux-gnu/cmake")

# Test programs run under user-mode emulation with the sysroot as their root.
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-arm -L "${OSTREL_ARMEL_SYSROOT}")
