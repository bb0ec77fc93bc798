# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when shellcheck warns about a shell script of the project (scripts/ and .ci/): warnings
# and errors count, its notes and style hints do not. Without shellcheck the check is skipped,
# saying why, rather than failing.
if(NOT SHELLCHECK)
  message(NOTICE "checks.shellcheck skipped: shellcheck is not installed")
  return()
endif()

file(GLOB files LIST_DIRECTORIES false ${SOURCE_DIR}/scripts/* ${SOURCE_DIR}/.ci/*)
execute_process(COMMAND ${SHELLCHECK} --severity=warning --format=gcc ${files}
                RESULT_VARIABLE result OUTPUT_VARIABLE findings ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "shellcheck warns about the scripts:\n${findings}${errors}")
endif()
