// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Symbols of the shared phone line, the one library both phone modules link.

#if defined(_WIN32)
#  if defined(ORRIN_BUILDING_PHONELINE)
#    define PHONELINE_API __declspec(dllexport)
#  else
#    define PHONELINE_API __declspec(dllimport)
#  endif
#else
#  define PHONELINE_API __attribute__((visibility("default")))
#endif
