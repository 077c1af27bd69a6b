# SPDX-FileCopyrightText: 2026 The kestrun developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Compile and link options for the targets that this project defines itself (every target below the
# source folder; imported targets such as Qt's are not in the list):
# - the warnings -Wall -Wextra, as errors with KESTRUN_WERROR;
# - with KESTRUN_HARDENING, the hardening that Debian's dpkg-buildflags gives (hardening=+all), so
#   that the programs in the .deb carry it: stack protector, stack clash protection, control-flow
#   protection, fortified glibc functions, format-string errors, full RELRO with immediate binding.
#   The fuzz and sanitizer builds leave it out: the sanitizers do that work there.

function(kestrun_targets_below dir out)
  get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
  get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(sub IN LISTS subdirs)
    kestrun_targets_below(${sub} sub_targets)
    list(APPEND targets ${sub_targets})
  endforeach()
  set(${out} ${targets} PARENT_SCOPE)
endfunction()

function(kestrun_own_target_options top)
  set(compile_options -Wall -Wextra)
  set(link_options "")
  if(KESTRUN_WERROR)
    list(APPEND compile_options -Werror)
  endif()
  if(KESTRUN_HARDENING AND NOT KESTRUN_FUZZ AND NOT KESTRUN_SANITIZE)
    if(CMAKE_SYSTEM_PROCESSOR MATCHES "^(x86_64|AMD64|amd64|i[3-6]86)$")
      set(kestrun_x86 ON)
    else()
      set(kestrun_x86 OFF)
    endif()
    list(APPEND compile_options
      -fstack-protector-strong -fstack-clash-protection
      # Control-flow protection exists on x86 only.
      $<$<BOOL:${kestrun_x86}>:-fcf-protection>
      -Wformat -Werror=format-security
      # The fortified functions need the optimiser; a Debug build goes without them.
      $<$<NOT:$<CONFIG:Debug>>:-U_FORTIFY_SOURCE -D_FORTIFY_SOURCE=2>)
    list(APPEND link_options LINKER:-z,relro LINKER:-z,now)
  endif()
  kestrun_targets_below(${top} targets)
  foreach(target IN LISTS targets)
    get_target_property(type ${target} TYPE)
    if(type MATCHES "^(EXECUTABLE|STATIC_LIBRARY|SHARED_LIBRARY|MODULE_LIBRARY|OBJECT_LIBRARY)$")
      target_compile_options(${target} PRIVATE ${compile_options})
      if(NOT type MATCHES "^(STATIC_LIBRARY|OBJECT_LIBRARY)$")
        target_link_options(${target} PRIVATE ${link_options})
      endif()
    endif()
  endforeach()
endfunction()
