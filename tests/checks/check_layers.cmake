# Fails when a core or platform-interface file includes Qt, an operating-system header or a
# layer above its own. The platform's interface files (src/platform/*, the vorlent_platform
# library) hold no system call; the native implementations live in posix/, win32/ and native/
# (the vorlent_platform_native library), which the core never links: checks.core_links guards that
# at the symbol level, this check at the include level.
set(core_folders feedback launch settings media browser fileops)
set(forbidden_patterns
    "#include[ \t]*<Q"
    "#include[ \t]*<(windows|winbase|shellapi|shlobj|mmsystem|unistd|fcntl|dirent|dlfcn|spawn|pwd|glob)\\.h>"
    "#include[ \t]*<sys/"
    "#include[ \t]*\"(ui|app|cli)/")
set(failures "")

foreach(folder ${core_folders} platform)
  if(folder STREQUAL "platform")
    file(GLOB files ${SOURCE_DIR}/src/platform/*.h ${SOURCE_DIR}/src/platform/*.cpp)
  else()
    file(GLOB_RECURSE files ${SOURCE_DIR}/src/${folder}/*.h ${SOURCE_DIR}/src/${folder}/*.cpp)
  endif()
  foreach(file ${files})
    file(STRINGS ${file} lines REGEX "#include")
    foreach(line ${lines})
      foreach(pattern ${forbidden_patterns})
        if(line MATCHES "${pattern}")
          list(APPEND failures "${file}: ${line}")
        endif()
      endforeach()
      if(line MATCHES "#include[ \t]*\"platform/(posix|win32)/")
        list(APPEND failures "${file}: ${line}")
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

# The one-way order inside the core: launch is used by settings and media, browser by media and
# fileops; nothing below includes what sits above it.
foreach(pair "launch:settings|media|fileops" "browser:launch|settings|media|fileops"
             "feedback:launch|settings|media|browser|fileops" "settings:media|fileops|browser"
             "platform:feedback|launch|settings|media|browser|fileops")
  string(REPLACE ":" ";" sides ${pair})
  list(GET sides 0 folder)
  list(GET sides 1 above)
  file(GLOB_RECURSE files ${SOURCE_DIR}/src/${folder}/*.h ${SOURCE_DIR}/src/${folder}/*.cpp)
  foreach(file ${files})
    file(STRINGS ${file} lines REGEX "#include[ \t]*\"(${above})/")
    foreach(line ${lines})
      list(APPEND failures "${file}: ${line}")
    endforeach()
  endforeach()
endforeach()

if(failures)
  string(REPLACE ";" "\n" report "${failures}")
  message(FATAL_ERROR "Includes that break the layering:\n${report}")
endif()
