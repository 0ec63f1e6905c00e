# Installation into the usual places of a Linux desktop, and the Debian package.
include(GNUInstallDirs)

set(OS2SETUP_DATA ${PROJECT_SOURCE_DIR}/data)
# The id the software centres know the program by; the menu entry keeps the
# name os2setup.desktop, as the program sets it as its desktop file name.
set(OS2SETUP_APPSTREAM_ID io.github.os2setup.os2setup)

install(TARGETS os2setup RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES ${OS2SETUP_DATA}/os2setup.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${OS2SETUP_DATA}/os2setup.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo
        RENAME ${OS2SETUP_APPSTREAM_ID}.metainfo.xml)
install(FILES ${OS2SETUP_DATA}/os2setup.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# 32 and 64 px are the program's own hand-drawn icons; the other sizes are
# rendered from the SVG by scripts/render-icons.
set(OS2SETUP_ICONS
    16 ${OS2SETUP_DATA}/icons/os2setup-16.png
    32 ${PROJECT_SOURCE_DIR}/src/resources/os2setup.png
    48 ${OS2SETUP_DATA}/icons/os2setup-48.png
    64 ${PROJECT_SOURCE_DIR}/src/resources/os2setup-64.png
    128 ${OS2SETUP_DATA}/icons/os2setup-128.png
    256 ${OS2SETUP_DATA}/icons/os2setup-256.png)
while(OS2SETUP_ICONS)
  list(POP_FRONT OS2SETUP_ICONS size file)
  install(FILES ${file}
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME os2setup.png)
endwhile()
install(FILES ${OS2SETUP_DATA}/icons/os2setup.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# The Debian package: cpack -G DEB in the build folder.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME os2setup)
set(CPACK_PACKAGE_VENDOR os2setup)
set(CPACK_PACKAGE_CONTACT "os2setup <os2setup@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor of the OS/2 boot file CONFIG.SYS")
set(CPACK_PACKAGE_DESCRIPTION
    "OS/2 setup edits CONFIG.SYS, the boot file of OS/2, from Linux with
the OS/2 partition mounted. Tab pages show the statements of the file
as controls; a line under them shows the current line as it is.
STARTUP.CMD and AUTOEXEC.BAT are edited beside it. The file read is
never overwritten: the result is saved as CONFIG.NEW. The interface is
Norwegian.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION admin)
# The Qt libraries the program links, from the release it was built with on
# (Qt keeps binary compatibility within a major version), and the fonts that
# stand in for Arial, which the window asks for.
set(OS2SETUP_QT_MIN "${Qt6Core_VERSION_MAJOR}.${Qt6Core_VERSION_MINOR}")
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6core6 (>= ${OS2SETUP_QT_MIN}), libqt6gui6 (>= ${OS2SETUP_QT_MIN}), libqt6widgets6 (>= ${OS2SETUP_QT_MIN}), fonts-liberation2")
# Qt's own texts (the edit line's menu, standard buttons) in Norwegian; without
# them those few texts stay in English.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
include(CPack)
