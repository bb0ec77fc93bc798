# SPDX-License-Identifier: GPL-3.0-or-later
# The windows' tests, one executable per test file, and the program that renders every window to
# PNG. Included from tests/, whose folder the paths are relative to. On Linux they run on the
# offscreen platform under ctest; a Windows build runs them under Wine with
# `scripts/windows.sh test`.
file(GLOB_RECURSE ui_test_sources CONFIGURE_DEPENDS ui/test_*.cpp)
if(WIN32)
  # Windows plays the sound cues itself, with no sound module to test.
  list(FILTER ui_test_sources EXCLUDE REGEX "/test_sound_module\\.cpp$")
endif()
file(GLOB ui_test_support CONFIGURE_DEPENDS ui/support/*.cpp ui/support/*.h)
add_library(vorlent_ui_test_support STATIC ${ui_test_support})
set_target_properties(vorlent_ui_test_support PROPERTIES AUTOMOC ON)
target_include_directories(vorlent_ui_test_support PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(vorlent_ui_test_support PUBLIC vorlent_ui Qt6::Test)
# Qt's widget and test headers are most of each test's compile time: they are compiled once, into
# the support library's precompiled header, which every test reuses (same compiler options). The
# Windows cross build, against a Qt of its own, compiles them as before.
if(NOT WIN32)
  target_precompile_headers(vorlent_ui_test_support PRIVATE <QtWidgets> <QtTest>)
endif()
foreach(source ${ui_test_sources})
  get_filename_component(name ${source} NAME_WE)
  add_executable(${name} ${source})
  set_target_properties(${name} PROPERTIES AUTOMOC ON)
  target_link_libraries(${name} PRIVATE vorlent_ui_test_support)
  if(NOT WIN32)
    target_precompile_headers(${name} REUSE_FROM vorlent_ui_test_support)
  endif()
  add_dependencies(${name} vorlent_sounds)
  if(NOT WIN32)
    add_test(NAME ui.${name} COMMAND ${name})
    set_tests_properties(ui.${name} PROPERTIES ENVIRONMENT
                         "QT_QPA_PLATFORM=offscreen;QT_QPA_FONTDIR=/usr/share/fonts")
  endif()
endforeach()

# make screenshots: every window rendered to PNG under the build tree.
add_executable(render_screenshots ui/render_screenshots.cpp)
target_link_libraries(render_screenshots PRIVATE vorlent_ui_test_support)
if(NOT WIN32)
  target_precompile_headers(render_screenshots REUSE_FROM vorlent_ui_test_support)
endif()
if(NOT WIN32)
  add_custom_target(screenshots
                    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
                            $<TARGET_FILE:render_screenshots> ${CMAKE_BINARY_DIR}/screenshots
                    DEPENDS render_screenshots vorlent_sounds
                    COMMENT "Rendering the windows to ${CMAKE_BINARY_DIR}/screenshots")
endif()
