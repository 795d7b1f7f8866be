# The Windows installer (NSIS through CPack): the two programs, the Qt and
# mingw runtime DLLs, the platform, style and SQLite plugins and a Start
# menu entry.
set_target_properties(ortavel PROPERTIES WIN32_EXECUTABLE ON)

install(TARGETS ortavel ortavel-cli RUNTIME DESTINATION bin)
install(FILES ${ORTAVEL_QT_DLLS} ${ORTAVEL_MINGW_DLLS} DESTINATION bin)
install(FILES ${ORTAVEL_QT_PLATFORMS} DESTINATION bin/platforms)
install(FILES ${ORTAVEL_QT_STYLES} DESTINATION bin/styles)
if(ORTAVEL_QT_SQLDRIVERS)
  install(FILES ${ORTAVEL_QT_SQLDRIVERS} DESTINATION bin/sqldrivers)
endif()
# The window's translations, and Qt's own dialog texts in Chinese (a .qm is
# the same file on every system: the build machine's Qt has it).
install(FILES ${ORTAVEL_QM_FILES} DESTINATION bin/translations)
if(EXISTS /usr/share/qt6/translations/qtbase_zh_CN.qm)
  install(FILES /usr/share/qt6/translations/qtbase_zh_CN.qm DESTINATION bin/translations)
endif()
install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/copyright DESTINATION . RENAME copyright.txt)

set(CPACK_GENERATOR NSIS)
set(CPACK_PACKAGE_NAME ortavel)
set(CPACK_PACKAGE_VENDOR Ortavel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME ortavel-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "set up intelligent pressure transmitters on an RS-485 bus")
set(CPACK_PACKAGE_INSTALL_DIRECTORY Ortavel)
set(CPACK_PACKAGE_EXECUTABLES ortavel Ortavel)
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_DISPLAY_NAME "Ortavel ${PROJECT_VERSION}")
set(CPACK_NSIS_PACKAGE_NAME "Ortavel ${PROJECT_VERSION}")
set(CPACK_NSIS_INSTALLED_ICON_NAME "bin\\\\ortavel.exe")
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_NSIS_COMPRESSOR "/SOLID lzma")
# A 64-bit installer for a 64-bit program: it runs where the program runs
# (also under a Wine without its 32-bit part).
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
set(CPACK_STRIP_FILES ON)
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_BINARY_DIR}/package)
include(CPack)
