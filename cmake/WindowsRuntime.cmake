# The DLLs the Windows programs load, copied beside them in bin/ so that
# they run (and are tested under Wine) from the build folder, and listed for
# the installer.
get_filename_component(qt_prefix "${Qt6_DIR}/../../.." ABSOLUTE)
set(qt_modules Core Gui Widgets)
# Qt Charts draws through Qt's OpenGL widgets, which load whether or not a
# chart uses them.
if(ORTAVEL_TREND)
  list(APPEND qt_modules Charts OpenGL OpenGLWidgets)
endif()
if(ORTAVEL_HISTORY)
  list(APPEND qt_modules Sql)
endif()
if(ORTAVEL_NETWORK)
  list(APPEND qt_modules Network)
endif()
set(ORTAVEL_QT_DLLS)
foreach(module ${qt_modules})
  list(APPEND ORTAVEL_QT_DLLS ${qt_prefix}/bin/Qt6${module}.dll)
endforeach()
set(ORTAVEL_QT_TEST_DLLS ${qt_prefix}/bin/Qt6Test.dll)
set(ORTAVEL_QT_PLATFORMS ${qt_prefix}/plugins/platforms/qwindows.dll ${qt_prefix}/plugins/platforms/qoffscreen.dll)
# The native look of Windows 10 and 11.
set(ORTAVEL_QT_STYLES ${qt_prefix}/plugins/styles/qwindowsvistastyle.dll)
# Only SQLite: a PostgreSQL history needs libpq, which this Qt is built without.
set(ORTAVEL_QT_SQLDRIVERS)
if(ORTAVEL_HISTORY)
  set(ORTAVEL_QT_SQLDRIVERS ${qt_prefix}/plugins/sqldrivers/qsqlite.dll)
endif()

set(ORTAVEL_MINGW_DLLS)
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll} OUTPUT_VARIABLE path
                  OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${path}" OR NOT EXISTS "${path}")
    message(FATAL_ERROR "The mingw runtime ${dll} is not found beside ${CMAKE_CXX_COMPILER}")
  endif()
  get_filename_component(path "${path}" REALPATH)
  list(APPEND ORTAVEL_MINGW_DLLS ${path})
endforeach()

foreach(dll ${ORTAVEL_QT_DLLS} ${ORTAVEL_QT_TEST_DLLS} ${ORTAVEL_MINGW_DLLS} ${ORTAVEL_QT_PLATFORMS}
            ${ORTAVEL_QT_STYLES} ${ORTAVEL_QT_SQLDRIVERS})
  if(NOT EXISTS "${dll}")
    message(FATAL_ERROR "${dll} is missing")
  endif()
endforeach()
file(COPY ${ORTAVEL_QT_DLLS} ${ORTAVEL_QT_TEST_DLLS} ${ORTAVEL_MINGW_DLLS} DESTINATION ${CMAKE_RUNTIME_OUTPUT_DIRECTORY})
file(COPY ${ORTAVEL_QT_PLATFORMS} DESTINATION ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/platforms)
file(COPY ${ORTAVEL_QT_STYLES} DESTINATION ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/styles)
if(ORTAVEL_QT_SQLDRIVERS)
  file(COPY ${ORTAVEL_QT_SQLDRIVERS} DESTINATION ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/sqldrivers)
endif()
