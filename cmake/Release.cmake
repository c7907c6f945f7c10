# The release this tree makes: its version is the one project() gives, its
# date that of the top entry of CHANGELOG.md. The changelog is read as dpkg
# reads a package's: packaging/debian-changelog.sh writes it in the Debian
# format, and dpkg-parsechangelog reads the top entry back.
#
# Included, it makes the manual pages and the AppStream metadata with the
# version and the date, and the Debian changelog that the package installs.
# Run as a script, it fails when the top entry is not the version given:
#   cmake -D VERSION=<version> -D SOURCE=<source folder> -D WORK=<folder> -P Release.cmake

# Writes CHANGELOG.md of `source` in the Debian format to `debian_changelog`
# and sets `version_var` and `epoch_var` to the version and the release time
# (seconds since 1970, UTC) of its top entry.
function(zazuzar_read_changelog source maintainer debian_changelog version_var epoch_var)
  get_filename_component(folder ${debian_changelog} DIRECTORY)
  file(MAKE_DIRECTORY ${folder})
  execute_process(
    COMMAND bash ${source}/packaging/debian-changelog.sh zazuzar ${maintainer}
            ${source}/CHANGELOG.md ${debian_changelog}
    COMMAND_ERROR_IS_FATAL ANY)
  execute_process(COMMAND dpkg-parsechangelog -l ${debian_changelog}
                  OUTPUT_VARIABLE fields COMMAND_ERROR_IS_FATAL ANY)
  string(REGEX MATCH "\nVersion: ([^\n]*)" _ "\n${fields}")
  set(${version_var} "${CMAKE_MATCH_1}" PARENT_SCOPE)
  string(REGEX MATCH "\nTimestamp: ([0-9]+)" _ "\n${fields}")
  set(${epoch_var} "${CMAKE_MATCH_1}" PARENT_SCOPE)
endfunction()

if(CMAKE_SCRIPT_MODE_FILE)
  zazuzar_read_changelog(${SOURCE} "Zazuzar developers <dev@zazuzar.invalid>"
                         ${WORK}/release-changelog version epoch)
  if(NOT version STREQUAL VERSION)
    message(FATAL_ERROR "CHANGELOG.md's top entry is version ${version}, CMake builds ${VERSION}")
  endif()
  message(STATUS "CHANGELOG.md's top entry and CMake agree on version ${version}")
  return()
endif()

set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
             ${PROJECT_SOURCE_DIR}/CHANGELOG.md ${PROJECT_SOURCE_DIR}/packaging/debian-changelog.sh)
zazuzar_read_changelog(${PROJECT_SOURCE_DIR} ${zazuzar_maintainer}
                       ${PROJECT_BINARY_DIR}/packaging/changelog version epoch)
execute_process(COMMAND date -u -d @${epoch} +%F OUTPUT_VARIABLE ZAZUZAR_RELEASE_DATE
                OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
foreach(page zazuzar.1 de/zazuzar.1)
  configure_file(${PROJECT_SOURCE_DIR}/packaging/man/${page}
                 ${PROJECT_BINARY_DIR}/packaging/pages/${page} @ONLY)
endforeach()
configure_file(${PROJECT_SOURCE_DIR}/packaging/org.zazuzar.zazuzar.metainfo.xml
               ${PROJECT_BINARY_DIR}/packaging/org.zazuzar.zazuzar.metainfo.xml @ONLY)
