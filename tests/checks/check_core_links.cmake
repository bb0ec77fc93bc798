# SPDX-License-Identifier: GPL-3.0-or-later
cmake_minimum_required(VERSION 3.20)

# Fails when the core calls anything but itself, the platform's interfaces and pure helpers, and
# the language's own runtime: every symbol the core library leaves undefined must be defined in
# the core or in the platform library, or be one of the runtime's below. The platform library
# (the interfaces and their pure helpers) is held to the same runtime, less the core. A call of the C
# library (getenv, system, fopen, signal, ...), of the standard library's parts that reach the
# system (files, threads, clocks, the locale, random devices), or of the native platform library
# fails the check: the core is handed everything it needs of the system, down to the system's
# code page, the SHA-1 digest and the XML reader.
set(runtime_patterns
    # Exceptions, static initialisation, new and delete.
    "^__cxa_" "^_Unwind_Resume$" "^__gxx_personality_v0$" "^__dso_handle$" "^operator (new|delete)"
    "^(typeinfo|typeinfo name|vtable) for (std|__cxxabiv1)::"
    # What the compiler emits for copying and comparing memory, and its stack guard.
    "^(memchr|memcmp|memcpy|memmove|memset|strcmp|strlen)$" "^__stack_chk_fail$"
    # Whether a shared pointer's count needs atomic steps (glibc's flag, read, never set).
    "^__libc_single_threaded$"
    "^_GLOBAL_OFFSET_TABLE_$"
    # The sanitizers' own hooks, in the sanitizer build.
    "^__(asan|ubsan|lsan|sanitizer)_"
    # The standard library, less its parts that reach the system.
    "^std::")
set(system_patterns
    "^std::(__cxx11::)?(filesystem|thread|this_thread|jthread|random_device|locale|basic_[io]?fstream|basic_filebuf|__basic_file|cout|cin|cerr|clog|ios_base::Init|getenv|system|quick_exit|chrono::(system_clock|steady_clock|high_resolution_clock))"
)

# The undefined symbols of the archive, or its defined ones, demangled, one a list item. Square
# brackets (as in "[abi:cxx11]") would keep CMake from splitting the list; they become
# parentheses.
function(symbols_of archive option out)
  execute_process(COMMAND ${NM} -C ${option} ${archive} OUTPUT_VARIABLE text
                  RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${NM} failed on ${archive}")
  endif()
  string(REPLACE "[" "(" text "${text}")
  string(REPLACE "]" ")" text "${text}")
  string(REPLACE ";" "," text "${text}")
  string(REPLACE "\n" ";" lines "${text}")
  set(names "")
  foreach(line ${lines})
    if(line MATCHES "^[0-9a-f]* *[A-Za-z] (.+)$")
      list(APPEND names "${CMAKE_MATCH_1}")
    endif()
  endforeach()
  list(REMOVE_DUPLICATES names)
  set(${out} "${names}" PARENT_SCOPE)
endfunction()

symbols_of(${CORE} --defined-only core_has)
symbols_of(${PLATFORM} --defined-only platform_has)
symbols_of(${NATIVE} --defined-only native_has)

# Appends to report what library (shown as label) calls beyond the symbols of the lists named in
# the arguments that follow and the runtime's.
set(report "")
function(check_calls label library)
  symbols_of(${library} --undefined-only needs)
  set(own "")
  foreach(list_name ${ARGN})
    list(APPEND own ${${list_name}})
  endforeach()
  set(native_calls "")
  set(other_calls "")
  foreach(name ${needs})
    if(name IN_LIST own)
      continue()
    endif()
    if(name IN_LIST native_has)
      list(APPEND native_calls "${name}")
      continue()
    endif()
    set(allowed FALSE)
    foreach(pattern ${runtime_patterns})
      if(name MATCHES "${pattern}")
        set(allowed TRUE)
        break()
      endif()
    endforeach()
    foreach(pattern ${system_patterns})
      if(name MATCHES "${pattern}")
        set(allowed FALSE)
      endif()
    endforeach()
    if(NOT allowed)
      list(APPEND other_calls "${name}")
    endif()
  endforeach()
  if(native_calls)
    string(REPLACE ";" "\n  " list "${native_calls}")
    string(APPEND report "${label} calls the native platform library:\n  ${list}\n")
  endif()
  if(other_calls)
    string(REPLACE ";" "\n  " list "${other_calls}")
    string(APPEND report "${label} calls the system or a library it may not use:\n  ${list}\n")
  endif()
  set(report "${report}" PARENT_SCOPE)
endfunction()

# The platform's interfaces and pure helpers are held to the same runtime as the core: the system
# is reached in the native libraries alone.
check_calls("The core" ${CORE} core_has platform_has)
check_calls("The platform library" ${PLATFORM} platform_has)
if(report)
  message(FATAL_ERROR "${report}")
endif()
