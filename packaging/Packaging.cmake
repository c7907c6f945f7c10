# Installation in the freedesktop places, under the names of the AppStream id,
# and a Debian package through CPack. `cmake --install` gives what a
# distribution's packaging expects: manual pages uncompressed (distributions
# compress them themselves), CHANGELOG.md in the documentation folder. What
# only a Debian package holds, the changelog in Debian's format and the
# copyright file, CPack adds when it packs (packaging/debian/DebianPackage.cmake).
include(GNUInstallDirs)

# CMake installs files 0644 and the program 0755, whatever the builder's
# umask; folders it makes with the umask, so the script CPack runs before it
# packs sets those.
if(ZAZUZAR_BUILD_UI)
  install(TARGETS zazuzar RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/${ZAZUZAR_APP_ID}.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  set(icons ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
  foreach(size 16 24 32 48 64 128 256)
    install(FILES ${PROJECT_SOURCE_DIR}/resources/icon${size}.png
            DESTINATION ${icons}/${size}x${size}/apps RENAME ${ZAZUZAR_APP_ID}.png)
  endforeach()
  install(FILES ${PROJECT_SOURCE_DIR}/resources/icon.svg DESTINATION ${icons}/scalable/apps
          RENAME ${ZAZUZAR_APP_ID}.svg)
  # The manual pages and the AppStream metadata, with the version and the
  # release dates filled in.
  set(made ${PROJECT_BINARY_DIR}/packaging)
  include(${PROJECT_SOURCE_DIR}/packaging/Release.cmake)
  install(FILES ${made}/${ZAZUZAR_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES ${made}/pages/zazuzar.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${made}/pages/de/zazuzar.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/de/man1)
  install(FILES ${PROJECT_SOURCE_DIR}/CHANGELOG.md DESTINATION ${CMAKE_INSTALL_DOCDIR})
endif()

# What the Debian package adds to the installed files, and where they are.
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/packaging/debian/DebianPackage.cmake)
set(CPACK_ZAZUZAR_SOURCE_DIR ${PROJECT_SOURCE_DIR})
set(CPACK_ZAZUZAR_DOCDIR ${CMAKE_INSTALL_DOCDIR})
set(CPACK_ZAZUZAR_MANDIR ${CMAKE_INSTALL_MANDIR})

set(CPACK_PACKAGE_NAME zazuzar)
set(CPACK_PACKAGE_VENDOR "Zazuzar")
set(CPACK_PACKAGE_CONTACT "Zazuzar developers <dev@zazuzar.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "One-time-pad cipher procedure, worked by hand")
# Lines of at most 80 characters; CPack indents each by one blank.
set(CPACK_PACKAGE_DESCRIPTION
    "Zazuzar works a manual one-time-pad cipher procedure: a code table turns a
plain text into digits, a key of 100 random five-digit groups enciphers them,
and the decoder reads them back, code-book words included. German interface.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY zazuzar)
set(CPACK_GENERATOR DEB)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# The shared libraries come from dpkg-shlibdeps; the platform plugins, Qt's
# German texts and the window's font are loaded at run time, so they are named
# here. Liberation 2 is fonts-liberation from Debian 13 on, where
# fonts-liberation2 is only a transitional package; Debian 12 has it under
# the second name.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, qt6-translations-l10n, fonts-liberation (>= 1:2) | fonts-liberation2")
include(CPack)
