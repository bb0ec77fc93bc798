cmake_minimum_required(VERSION 3.20)

# Fails when the core calls a function that only the native platform library defines: the core
# is to link with the platform's interfaces and pure helpers alone.
#
# It reaches the system only through the interfaces it is handed (the system text, the SHA-1
# digest and the XML reader included), so every call of a native definition fails the check.

function(symbols_of archive option out)
  execute_process(COMMAND ${NM} -C ${option} ${archive} OUTPUT_VARIABLE text
                  RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${NM} failed on ${archive}")
  endif()
  string(REPLACE "\n" ";" lines "${text}")
  set(names "")
  foreach(line ${lines})
    if(line MATCHES "^[0-9a-f ]* [A-Za-z] (vorlent::[^([]*)[[(]")
      list(APPEND names "${CMAKE_MATCH_1}")
    endif()
  endforeach()
  list(REMOVE_DUPLICATES names)
  set(${out} "${names}" PARENT_SCOPE)
endfunction()

symbols_of(${CORE} --undefined-only core_needs)
symbols_of(${NATIVE} --defined-only native_has)
set(failures "")
foreach(name ${core_needs})
  if(name IN_LIST native_has)
    list(APPEND failures "${name}")
  endif()
endforeach()
if(failures)
  string(REPLACE ";" "\n  " report "${failures}")
  message(FATAL_ERROR "The core calls the native platform library:\n  ${report}")
endif()
