# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a fresh prefix and checks that the program finds what it needs
# beside its executable, through the link on the search path.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed")
endif()
foreach(expected bin/vorlent bin/vorlent-cli share/applications/vorlent.desktop
                 share/icons/hicolor/scalable/apps/vorlent.svg)
  if(NOT EXISTS ${PREFIX}/${expected})
    message(FATAL_ERROR "missing after install: ${expected}")
  endif()
endforeach()
file(REAL_PATH ${PREFIX}/bin/vorlent program)
get_filename_component(program_folder ${program} DIRECTORY)
if(NOT EXISTS ${program_folder}/libvorlent_sound.so)
  message(FATAL_ERROR "the installed program has no sound player module beside it")
endif()
foreach(cue ok set error reset)
  if(NOT EXISTS ${program_folder}/sound/${cue}.wav)
    message(FATAL_ERROR "the installed program has no sound/${cue}.wav beside it")
  endif()
endforeach()
# The companion, started through its link, loads the Vorlent.ini beside its real folder.
file(WRITE ${program_folder}/Vorlent.ini "${PREFIX}\r\n")
execute_process(COMMAND ${PREFIX}/bin/vorlent-cli options brmsx RESULT_VARIABLE status
                ERROR_VARIABLE err OUTPUT_QUIET)
if(status EQUAL 0)
  message(FATAL_ERROR "a one-line Vorlent.ini beside the installed program was not read")
endif()
file(REMOVE_RECURSE ${PREFIX})
