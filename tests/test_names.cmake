# SPDX-FileCopyrightText: 2026 The kestrun developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Reads the names of every test that CTest knows in a build and fails on a name that a reader cannot
# use: a raw dump of a test parameter ("# GetParam() = ...", "72-byte object <16-22 ...>"), a control
# character or a byte outside printable ASCII, or a name that more than one test has.
#   cmake -DBUILD_DIR=build -P tests/test_names.cmake
if(NOT BUILD_DIR)
  message(FATAL_ERROR "test_names: give the build folder as -DBUILD_DIR=...")
endif()
execute_process(
  COMMAND ${CMAKE_CTEST_COMMAND} --test-dir ${BUILD_DIR} --show-only=json-v1
  OUTPUT_VARIABLE listing
  ERROR_QUIET
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "test_names: ctest could not list the tests of ${BUILD_DIR}")
endif()

string(JSON count LENGTH "${listing}" tests)
set(faults 0)
set(seen "")
math(EXPR last "${count} - 1")
foreach(i RANGE ${last})
  string(JSON name GET "${listing}" tests ${i} name)
  set(fault "")
  if(name MATCHES "GetParam\\(\\)|[0-9]+-byte object|<[0-9A-F][0-9A-F]-[0-9A-F][0-9A-F] ")
    set(fault "holds a raw dump of its parameter")
  elseif(NOT name MATCHES "^[ -~]+$")
    set(fault "holds a control character or a byte outside printable ASCII")
  elseif(name MATCHES "^ | $")
    set(fault "begins or ends with a blank")
  else()
    list(FIND seen "${name}" earlier)
    if(earlier GREATER -1)
      set(fault "is the name of another test too")
    endif()
    list(APPEND seen "${name}")
  endif()
  if(fault)
    math(EXPR faults "${faults} + 1")
    message("test_names: the name [${name}] ${fault}")
  endif()
endforeach()
if(faults GREATER 0)
  message(FATAL_ERROR "test_names: ${faults} of ${count} test names are not fit to read")
endif()
message("test_names: all ${count} test names are readable and unique")
