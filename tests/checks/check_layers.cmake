# SPDX-License-Identifier: GPL-3.0-or-later
cmake_minimum_required(VERSION 3.20)

# Fails when a file of the core or of the platform's interfaces includes what its layer may not
# (cmake/CoreLayers.cmake): a header in angle brackets that is not on the list of standard headers
# the core uses (Qt, the system's headers, the standard headers that reach the system), or a
# folder of src/ that is neither its own nor on its layer's list (a higher layer, ui/, app/, cli/,
# or the native implementations in platform/posix/ and platform/win32/). The build gives each
# layer only the include folders it may reach, and checks.core_links checks the symbols the core
# calls; this check holds each file to the direct uses.
include(${SOURCE_DIR}/cmake/CoreLayers.cmake)
set(failures "")

foreach(layer platform ${core_layers})
  if(layer STREQUAL "platform")
    file(GLOB files ${SOURCE_DIR}/src/platform/*.h ${SOURCE_DIR}/src/platform/*.cpp)
  else()
    file(GLOB_RECURSE files ${SOURCE_DIR}/src/${layer}/*.h ${SOURCE_DIR}/src/${layer}/*.cpp)
  endif()
  set(folders ${layer} ${layer_uses_${layer}})
  string(JOIN "|" folder_pattern ${folders})
  string(JOIN ", " folder_names ${folders})
  foreach(file ${files})
    file(RELATIVE_PATH shown ${SOURCE_DIR} ${file})
    file(STRINGS ${file} lines REGEX "^[ \t]*#[ \t]*include")
    foreach(line ${lines})
      if(line MATCHES "include[ \t]*<([^>]*)>")
        if(NOT CMAKE_MATCH_1 IN_LIST core_standard_headers)
          list(APPEND failures "${shown}: ${line}: not a standard header the core uses")
        endif()
      elseif(line MATCHES "include[ \t]*\"([^\"]*)\"")
        if(NOT CMAKE_MATCH_1 MATCHES "^(${folder_pattern})/[^/]+$")
          list(APPEND failures "${shown}: ${line}: ${layer} includes only ${folder_names}")
        endif()
      else()
        list(APPEND failures "${shown}: ${line}: not an include this check can read")
      endif()
    endforeach()
  endforeach()
endforeach()

# The Qt layer loads its modules with QLibrary, not with the system's loader.
file(GLOB_RECURSE qt_layer_files ${SOURCE_DIR}/src/ui/*.h ${SOURCE_DIR}/src/ui/*.cpp
     ${SOURCE_DIR}/src/app/*.cpp ${SOURCE_DIR}/src/cli/*.cpp)
foreach(file ${qt_layer_files})
  file(STRINGS ${file} lines REGEX "#include[ \t]*<dlfcn\\.h>")
  foreach(line ${lines})
    list(APPEND failures "${file}: ${line}")
  endforeach()
endforeach()

if(failures)
  string(REPLACE ";" "\n" report "${failures}")
  message(FATAL_ERROR "Includes that break the layering:\n${report}")
endif()
