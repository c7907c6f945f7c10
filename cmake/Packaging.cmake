# Installation in the freedesktop places, and a Debian package through CPack.
include(GNUInstallDirs)
set(zazuzar_maintainer "Zazuzar developers <dev@zazuzar.invalid>")

# The package's modes are fixed, whatever the builder's umask: files 0644 and
# the program 0755 here, folders 0755 by a script that CPack runs before it
# packs (CMake makes folders with the umask).
set(zazuzar_mode_0755 OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                      WORLD_READ WORLD_EXECUTE)
set(zazuzar_mode_0644 OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/PackageFolderModes.cmake)

if(ZAZUZAR_BUILD_UI)
  install(TARGETS zazuzar RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
          PERMISSIONS ${zazuzar_mode_0755})
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/zazuzar.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications
          PERMISSIONS ${zazuzar_mode_0644})
  foreach(size 16 32)
    install(FILES ${PROJECT_SOURCE_DIR}/resources/icon${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME zazuzar.png PERMISSIONS ${zazuzar_mode_0644})
  endforeach()
  # The manual pages, the AppStream metadata and the Debian changelog, with
  # the version and the release date filled in.
  set(made ${PROJECT_BINARY_DIR}/packaging)
  include(${PROJECT_SOURCE_DIR}/cmake/Release.cmake)
  install(FILES ${made}/org.zazuzar.zazuzar.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo PERMISSIONS ${zazuzar_mode_0644})

  # The manual pages and the changelog go in compressed, without a time stamp
  # in the gzip header; they are made with the program.
  set(pages ${made}/pages)
  add_custom_command(
    OUTPUT ${made}/man1/zazuzar.1.gz ${made}/de/man1/zazuzar.1.gz ${made}/doc/changelog.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${made}/man1 ${made}/de/man1 ${made}/doc
    COMMAND ${CMAKE_COMMAND} -E copy ${pages}/zazuzar.1 ${made}/man1/zazuzar.1
    COMMAND ${CMAKE_COMMAND} -E copy ${pages}/de/zazuzar.1 ${made}/de/man1/zazuzar.1
    COMMAND ${CMAKE_COMMAND} -E copy ${made}/changelog ${made}/doc/changelog
    COMMAND gzip -9nf ${made}/man1/zazuzar.1 ${made}/de/man1/zazuzar.1 ${made}/doc/changelog
    DEPENDS ${pages}/zazuzar.1 ${pages}/de/zazuzar.1 ${made}/changelog
    VERBATIM)
  add_custom_target(zazuzar_docs ALL DEPENDS ${made}/man1/zazuzar.1.gz)
  add_dependencies(zazuzar zazuzar_docs)
  install(FILES ${made}/man1/zazuzar.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1
          PERMISSIONS ${zazuzar_mode_0644})
  install(FILES ${made}/de/man1/zazuzar.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/de/man1
          PERMISSIONS ${zazuzar_mode_0644})
  install(FILES ${made}/doc/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/zazuzar
          PERMISSIONS ${zazuzar_mode_0644})
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright
          DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/zazuzar PERMISSIONS ${zazuzar_mode_0644})
endif()

set(CPACK_PACKAGE_NAME zazuzar)
set(CPACK_PACKAGE_VENDOR "Zazuzar")
set(CPACK_PACKAGE_CONTACT ${zazuzar_maintainer})
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
# here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n, fonts-liberation2")
include(CPack)
