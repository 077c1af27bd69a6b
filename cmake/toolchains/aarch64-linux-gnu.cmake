# SPDX-FileCopyrightText: 2026 The kestrun developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# 64-bit Arm (arm64), with Debian's g++-aarch64-linux-gnu; tests run under qemu-aarch64-static.
set(KESTRUN_CROSS_TRIPLET aarch64-linux-gnu)
set(KESTRUN_CROSS_PROCESSOR aarch64)
set(KESTRUN_CROSS_QEMU qemu-aarch64-static)
include(${CMAKE_CURRENT_LIST_DIR}/debian-cross.cmake)
