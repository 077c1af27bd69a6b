# SPDX-FileCopyrightText: 2026 The kestrun developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# IBM Z (s390x, big-endian), with Debian's g++-s390x-linux-gnu; tests run under qemu-s390x-static.
set(KESTRUN_CROSS_TRIPLET s390x-linux-gnu)
set(KESTRUN_CROSS_PROCESSOR s390x)
set(KESTRUN_CROSS_QEMU qemu-s390x-static)
include(${CMAKE_CURRENT_LIST_DIR}/debian-cross.cmake)
