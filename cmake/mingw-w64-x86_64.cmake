# SPDX-FileCopyrightText: 2026 The arche developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Cross-builds the 64-bit Windows program on Debian with mingw-w64's
# posix-thread compilers (Qt's threads need the posix flavour), against a
# static Qt for Windows. Qt's host tools (moc, rcc) come from Debian's
# qt6-base-dev-tools, the same version.
#   cmake -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DARCHE_WINDOWS_QT=<prefix> ...
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

set(ARCHE_WINDOWS_QT "$ENV{ARCHE_WINDOWS_QT}" CACHE PATH "Static Qt 6.4.2 for Windows")
if(NOT ARCHE_WINDOWS_QT)
    message(FATAL_ERROR "Set ARCHE_WINDOWS_QT to the prefix of a static Qt for Windows")
endif()
# Try-compiles get the same prefix.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES ARCHE_WINDOWS_QT)

# Packages are looked up only under the target's roots, so the Qt prefix
# must be one of them: a host Qt must never be picked up by mistake.
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 "${ARCHE_WINDOWS_QT}")
set(CMAKE_PREFIX_PATH "${ARCHE_WINDOWS_QT}")
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(QT_HOST_PATH /usr)
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)

# Wine runs what is built, for the tests.
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
