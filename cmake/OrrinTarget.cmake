# SPDX-License-Identifier: GPL-2.0-or-later
# Flags and the shared precompiled header for the project's own targets.

add_library(orrin_pch_core INTERFACE)
add_library(orrin_pch_gui INTERFACE)

function(orrin_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
endfunction()

# A precompiled header of the Qt headers in use: Core only for targets that
# must stay free of GUI headers (phone modules, phonesim), Widgets otherwise.
function(orrin_target target)
  cmake_parse_arguments(ARG "CORE_ONLY" "" "" ${ARGN})
  orrin_warnings(${target})
  if(ARG_CORE_ONLY)
    target_precompile_headers(${target} PRIVATE ${PROJECT_SOURCE_DIR}/cmake/pch_core.h)
  else()
    target_precompile_headers(${target} PRIVATE ${PROJECT_SOURCE_DIR}/cmake/pch_gui.h)
  endif()
endfunction()
