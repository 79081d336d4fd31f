# SPDX-FileCopyrightText: Copyright (C) 2026 Brevalt
# SPDX-License-Identifier: MIT

# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 posix-thread compilers: they
# give std::thread and the C++ runtime DLLs that Qt's own MinGW build expects.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

# Qt's build and ours run the host's Qt tools (moc, rcc, uic): Debian's, of the Qt version built.
# In the cache, so that Qt's own default does not replace them.
set(QT_HOST_PATH /usr CACHE PATH "The host's Qt, whose tools the build runs")
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake CACHE PATH "The host Qt's CMake packages")

# Libraries and packages come only from the MinGW sysroot and the prefixes given in
# CMAKE_PREFIX_PATH (Qt and GoogleTest built for Windows); programs such as moc from the host.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 ${CMAKE_PREFIX_PATH})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
