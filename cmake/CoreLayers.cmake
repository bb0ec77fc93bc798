# SPDX-License-Identifier: GPL-3.0-or-later
# The layers below the windows, in one place: src/CMakeLists.txt gives each the include folders it
# may reach, and tests/checks/check_layers.cmake checks every include line against the same lists.
#
# Dependencies run one way: launch is used by settings and media, browser by launch, media and
# fileops, feedback by the layers that talk to the user, and the platform's interfaces by all.
# A layer's list names the folders it may include directly; what it may reach is that list,
# followed down.
set(core_layers feedback browser launch settings fileops media)
set(layer_uses_platform "")
set(layer_uses_feedback platform)
set(layer_uses_browser feedback platform)
set(layer_uses_launch browser feedback platform)
set(layer_uses_settings launch feedback platform)
set(layer_uses_fileops browser feedback platform)
set(layer_uses_media settings launch browser feedback platform)

# The standard headers the core and the platform's interfaces include: the language's own
# library and nothing that reaches the system (no <filesystem>, <fstream>, <thread>, <chrono>,
# <csignal>, <cstdlib>, <cstdio>, ...). A header the core newly needs is added here, by hand.
set(core_standard_headers
    algorithm array charconv climits cstddef cstdint cstring functional initializer_list memory new
    optional span stdexcept string string_view unordered_map utility variant vector)

# The layer itself and every folder it reaches through its list, in out.
function(layer_reach layer out)
  set(reach ${layer})
  set(pending ${layer_uses_${layer}})
  while(pending)
    list(POP_FRONT pending next)
    if(NOT next IN_LIST reach)
      list(APPEND reach ${next})
      list(APPEND pending ${layer_uses_${next}})
    endif()
  endwhile()
  set(${out} ${reach} PARENT_SCOPE)
endfunction()
