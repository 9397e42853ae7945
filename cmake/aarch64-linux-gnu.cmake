# Cross-builds for arm64, the Raspberry Pi's Debian, on an amd64 Debian 12 or 13 with multiarch:
# GCC from crossbuild-essential-arm64, Qt from qt6-base-dev:arm64 with the machine's own moc and
# rcc (scripts/install-deps arm64 installs them). Qt's arm64 CMake files are found in
# /usr/lib/aarch64-linux-gnu, as on the Pi.
#
#   cmake -S . -B build/arm64 -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/aarch64-linux-gnu.cmake
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(CMAKE_LIBRARY_ARCHITECTURE aarch64-linux-gnu)
set(CMAKE_C_COMPILER aarch64-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER aarch64-linux-gnu-g++)
set(PKG_CONFIG_EXECUTABLE aarch64-linux-gnu-pkg-config CACHE FILEPATH "")
# Debian's name for it: the package test builds the package for it (scripts/build-deb --arch).
set(ORTAMBRA_DEB_ARCH arm64)

# The cross toolchain's own C library, then the multiarch libraries under /usr; programs (moc,
# rcc, clang-format) are the machine's.
set(CMAKE_FIND_ROOT_PATH /usr/aarch64-linux-gnu /)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The tests run under qemu's user-mode emulation. Programs a test starts itself (the game from a
# CMake script, a child of QProcess) need the kernel to hand arm64 programs to qemu (binfmt_misc,
# which qemu-user-binfmt registers), and qemu 10 or later.
find_program(ORTAMBRA_QEMU_AARCH64 qemu-aarch64)
if(ORTAMBRA_QEMU_AARCH64)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${ORTAMBRA_QEMU_AARCH64})
endif()
