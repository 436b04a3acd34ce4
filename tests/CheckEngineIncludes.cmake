# Fails when a file of the engine includes a header of Qt Gui, Widgets or
# PrintSupport in any spelling: <QtWidgets/QWidget>, "QtGui/qcolor.h",
# <qt6/QtWidgets/QWidget>, <QtPrintSupport>, ... - any path whose last folder
# is one of those modules, and the module headers themselves. The short
# forms (<QWidget>) cannot compile in the engine at all, since its include
# path holds QtCore alone; the module forms can, which this check closes.
#
# The engine is every .h and .cpp under core/, fit/, output/, digitize/ and
# data/ except the windows' files (those the windows' target lists), so that
# a file no target lists is checked too.
#
# cmake -DSOURCE_DIR=<root> -DENGINE_DIRS=<dir,...> [-DWINDOW_SOURCES_FILE=<file>]
#       [-DEXPECTED_OFFENDERS=<n>] -P CheckEngineIncludes.cmake
# With EXPECTED_OFFENDERS the check checks itself: it passes when exactly that
# many offending lines are found (planted ones).

cmake_minimum_required(VERSION 3.25)

set(windows "")
if(WINDOW_SOURCES_FILE)
  file(READ "${WINDOW_SOURCES_FILE}" windows)
endif()
string(REPLACE "," ";" engine_dirs "${ENGINE_DIRS}")
set(sources "")
foreach(dir IN LISTS engine_dirs)
  file(GLOB_RECURSE found LIST_DIRECTORIES false "${SOURCE_DIR}/${dir}/*.h" "${SOURCE_DIR}/${dir}/*.cpp")
  list(APPEND sources ${found})
endforeach()
list(SORT sources)
if(NOT sources)
  message(FATAL_ERROR "No engine files found under ${SOURCE_DIR} (${ENGINE_DIRS})")
endif()

set(modules "Gui|Widgets|PrintSupport|OpenGL|OpenGLWidgets|Pdf|PdfWidgets|Svg|SvgWidgets")
set(pattern "#[ \t]*include[ \t]*[<\"][ \t]*([^<>\"]*[/\\\\])?Qt(${modules})([/\\\\>\" \t]|$)")
set(offenders "")
set(checked 0)
foreach(source IN LISTS sources)
  if(source IN_LIST windows)
    continue()
  endif()
  math(EXPR checked "${checked} + 1")
  file(STRINGS "${source}" lines REGEX "${pattern}")
  foreach(line IN LISTS lines)
    list(APPEND offenders "${source}: ${line}")
  endforeach()
endforeach()
list(LENGTH offenders found)
list(JOIN offenders "\n  " report)

if(DEFINED EXPECTED_OFFENDERS)
  if(NOT found EQUAL EXPECTED_OFFENDERS)
    message(FATAL_ERROR "Expected ${EXPECTED_OFFENDERS} offending includes, found ${found}:\n  ${report}")
  endif()
  message(STATUS "All ${found} planted includes found")
  return()
endif()
if(offenders)
  message(FATAL_ERROR "The engine must not include toolkit headers beyond QtCore:\n  ${report}")
endif()
message(STATUS "${checked} engine files include QtCore headers only")
