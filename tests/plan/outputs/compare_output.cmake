# SPDX-FileCopyrightText: 2026 The kestrun developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs kestrun-plan (under EMULATOR, if given) with ARGUMENTS (words joined by '|') and compares its
# standard output, standard error and exit status with the file EXPECTED.
string(REPLACE "|" ";" arguments "${ARGUMENTS}")
string(REPLACE "|" ";" emulator "${EMULATOR}")
execute_process(COMMAND ${emulator} ${PROGRAM} ${arguments}
                OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
set(got "${out}--- standard error\n${err}--- exit status ${status}\n")
if(DEFINED ENV{KESTRUN_UPDATE_PLAN_OUTPUTS})
  file(WRITE "${EXPECTED}" "${got}")
  return()
endif()
file(READ "${EXPECTED}" want)
if(NOT got STREQUAL want)
  get_filename_component(name "${EXPECTED}" NAME)
  file(WRITE "${CMAKE_CURRENT_BINARY_DIR}/${name}.got" "${got}")
  message(FATAL_ERROR "kestrun-plan ${arguments} wrote something else than ${EXPECTED}: "
                      "see ${CMAKE_CURRENT_BINARY_DIR}/${name}.got")
endif()
