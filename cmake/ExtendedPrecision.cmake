# SPDX-FileCopyrightText: 2026 The kestrun developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Which implementation of the 80-bit extended format the ledger computes with: the x87 unit, where the
# processor has one, or the same arithmetic in integers (portable, the only choice elsewhere).
if(CMAKE_SYSTEM_PROCESSOR MATCHES "^(x86_64|AMD64|amd64|i[3-6]86)$")
  set(KESTRUN_HAS_X87 ON)
else()
  set(KESTRUN_HAS_X87 OFF)
endif()
if(KESTRUN_HAS_X87)
  set(_kestrun_portable_default OFF)
else()
  set(_kestrun_portable_default ON)
endif()
option(KESTRUN_PORTABLE_EXTENDED "Compute the extended format in software instead of on the x87 unit"
       ${_kestrun_portable_default})
if(NOT KESTRUN_PORTABLE_EXTENDED AND NOT KESTRUN_HAS_X87)
  message(FATAL_ERROR
    "The x87 extended format needs an x86 processor, and this target is ${CMAKE_SYSTEM_PROCESSOR}: "
    "configure with -DKESTRUN_PORTABLE_EXTENDED=ON.")
endif()
if(KESTRUN_PORTABLE_EXTENDED)
  message(STATUS "Extended format: software")
else()
  message(STATUS "Extended format: x87 unit")
endif()
