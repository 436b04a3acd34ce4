# Fails when a file of the engine includes a header of Qt Gui, Widgets or
# PrintSupport in any spelling (<QtWidgets/QWidget>, "QtGui/qcolor.h",
# <QtPrintSupport>, ...). The short forms (<QWidget>) cannot compile in the
# engine at all, since its include path holds QtCore alone; the module forms
# can, which this check closes.
#
# cmake -DSOURCES_FILE=<file listing the engine's sources> -P CheckEngineIncludes.cmake

file(READ "${SOURCES_FILE}" sources)
set(pattern "#[ \t]*include[ \t]*[<\"][ \t]*Qt(Gui|Widgets|PrintSupport|OpenGL|OpenGLWidgets|Pdf|PdfWidgets|Svg|SvgWidgets)([/>\" \t]|$)")
set(offenders "")
foreach(source IN LISTS sources)
  file(STRINGS "${source}" lines REGEX "${pattern}")
  foreach(line IN LISTS lines)
    list(APPEND offenders "${source}: ${line}")
  endforeach()
endforeach()
if(offenders)
  list(JOIN offenders "\n  " report)
  message(FATAL_ERROR "The engine must not include toolkit headers beyond QtCore:\n  ${report}")
endif()
list(LENGTH sources count)
message(STATUS "${count} engine files include QtCore headers only")
