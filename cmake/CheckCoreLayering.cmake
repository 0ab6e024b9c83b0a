# Fails when a file of the display-free core includes a QtGui, QtWidgets, QtPrintSupport or
# QtNetwork header, or a header of the ui layer.
file(GLOB_RECURSE files ${ROOT}/src/grid/* ${ROOT}/src/model/* ${ROOT}/src/timing/* ${ROOT}/src/files/* ${ROOT}/src/output/* ${ROOT}/src/seams/*)
set(bad "")
foreach(f ${files})
    file(STRINGS ${f} lines REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"](QtGui|QtWidgets|QtPrintSupport|QtNetwork|QtSvg|ui/|feedback/|Q(Widget|Application|Painter|Color|Font|FontMetrics|Printer|Pixmap|Image|Brush|Pen|GuiApplication|MessageBox|FileDialog)[>\"])")
    if(lines)
        string(APPEND bad "${f}: ${lines}\n")
    endif()
endforeach()
if(bad)
    message(FATAL_ERROR "kestrel_core must not include display headers:\n${bad}")
endif()
