# Installation in the freedesktop places, and a Debian package through CPack.
include(GNUInstallDirs)

if(ZAZUZAR_BUILD_UI)
  install(TARGETS zazuzar RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/zazuzar.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  foreach(size 16 32)
    install(FILES ${PROJECT_SOURCE_DIR}/resources/icon${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME zazuzar.png)
  endforeach()
endif()

set(CPACK_PACKAGE_NAME zazuzar)
set(CPACK_PACKAGE_VENDOR "Zazuzar")
set(CPACK_PACKAGE_CONTACT "Zazuzar developers <dev@zazuzar.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "One-time-pad cipher procedure, worked by hand")
set(CPACK_PACKAGE_DESCRIPTION
    "Zazuzar works a manual one-time-pad cipher procedure: a code table turns a plain text into \
digits, a key of 100 random five-digit groups enciphers them, and the decoder reads them back, \
code-book words included. German interface.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY zazuzar)
set(CPACK_GENERATOR DEB)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# The shared libraries come from dpkg-shlibdeps; the platform plugins, Qt's
# German texts and the window's font are loaded at run time, so they are named
# here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n, fonts-liberation2")
include(CPack)
