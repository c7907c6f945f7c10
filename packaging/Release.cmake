# The releases are those of CHANGELOG.md, newest first, one heading
# "## <version> (<yyyy-mm-dd hh:mm>)" each, the time in UTC: it is the one home
# of the release history and the release times. CMake reads it itself, so
# configuring needs no other tool.
#
# Included, it makes the manual pages (the version project() gives, the top
# entry's date) and the AppStream metadata (a <release> for every entry), and
# writes the top entry's time in seconds since 1970 to
# packaging/source-date-epoch in the build folder: packaging/package.sh stamps the
# package with it (SOURCE_DATE_EPOCH).
# Run as a script, it fails unless the top entry is the version given:
#   cmake -D VERSION=<version> -D CHANGELOG=<CHANGELOG.md> -P Release.cmake

# Sets <prefix>_VERSIONS, <prefix>_DATES (yyyy-mm-dd) and <prefix>_EPOCHS
# (seconds since 1970) to the entries of `changelog`, newest first; fails on a
# heading that is no release, on a time that does not exist, on a version
# listed twice and on entries out of order. This is the one rule for the
# headings: packaging/debian/changelog.sh relies on it.
function(zazuzar_read_changelog changelog prefix)
  file(STRINGS ${changelog} headings REGEX "^## ")
  set(n "[0-9][0-9]")
  set(versions)
  set(dates)
  set(epochs)
  set(source_date_epoch "$ENV{SOURCE_DATE_EPOCH}")
  foreach(heading IN LISTS headings)
    if(NOT heading MATCHES "^## ([0-9]+([.][0-9]+)+) \\(((${n}${n})-(${n})-(${n}) (${n}):(${n}))\\)$")
      message(FATAL_ERROR "${changelog}: \"${heading}\" is no release heading "
                          "\"## <version> (<yyyy-mm-dd hh:mm>)\"")
    endif()
    set(version ${CMAKE_MATCH_1})
    set(time ${CMAKE_MATCH_3})
    # Days since 1970-01-01 in the Gregorian calendar, the year counted from
    # March so that the leap day comes last.
    math(EXPR month "(${CMAKE_MATCH_5} + 9) % 12")
    math(EXPR year "${CMAKE_MATCH_4} - ${month} / 10")
    math(EXPR days "${year} * 365 + ${year} / 4 - ${year} / 100 + ${year} / 400
                    + (153 * ${month} + 2) / 5 + ${CMAKE_MATCH_6} - 719469")
    math(EXPR epoch "((${days} * 24 + ${CMAKE_MATCH_7}) * 60 + ${CMAKE_MATCH_8}) * 60")
    # The sum takes 31 February for 3 March: the time exists if it comes back.
    set(ENV{SOURCE_DATE_EPOCH} ${epoch})
    string(TIMESTAMP back "%Y-%m-%d %H:%M" UTC)
    if(NOT back STREQUAL time)
      message(FATAL_ERROR "${changelog}: \"${heading}\" names a time that does not exist")
    endif()
    if(versions AND version VERSION_EQUAL previous)
      message(FATAL_ERROR "${changelog} lists version ${version} twice")
    elseif(versions AND version VERSION_GREATER previous)
      message(FATAL_ERROR "${changelog}: ${version} follows ${previous}; newest first")
    endif()
    set(previous ${version})
    list(APPEND versions ${version})
    list(APPEND dates ${CMAKE_MATCH_4}-${CMAKE_MATCH_5}-${CMAKE_MATCH_6})
    list(APPEND epochs ${epoch})
  endforeach()
  set(ENV{SOURCE_DATE_EPOCH} "${source_date_epoch}")
  if(NOT versions)
    message(FATAL_ERROR "${changelog} has no release")
  endif()
  set(${prefix}_VERSIONS ${versions} PARENT_SCOPE)
  set(${prefix}_DATES ${dates} PARENT_SCOPE)
  set(${prefix}_EPOCHS ${epochs} PARENT_SCOPE)
endfunction()

if(CMAKE_SCRIPT_MODE_FILE)
  zazuzar_read_changelog(${CHANGELOG} release)
  list(GET release_VERSIONS 0 version)
  if(NOT version STREQUAL VERSION)
    message(FATAL_ERROR "CHANGELOG.md's top entry is version ${version}, CMake builds ${VERSION}")
  endif()
  list(GET release_DATES 0 date)
  list(GET release_EPOCHS 0 epoch)
  message(STATUS "CHANGELOG.md's top entry and CMake agree on version ${version}, "
                 "released ${date} (${epoch})")
  return()
endif()

set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/CHANGELOG.md)
zazuzar_read_changelog(${PROJECT_SOURCE_DIR}/CHANGELOG.md release)
list(GET release_DATES 0 ZAZUZAR_RELEASE_DATE)
list(GET release_EPOCHS 0 ZAZUZAR_RELEASE_EPOCH)
set(ZAZUZAR_RELEASES)
foreach(version date IN ZIP_LISTS release_VERSIONS release_DATES)
  list(APPEND ZAZUZAR_RELEASES "<release version=\"${version}\" date=\"${date}\"/>")
endforeach()
list(JOIN ZAZUZAR_RELEASES "\n    " ZAZUZAR_RELEASES)
foreach(page zazuzar.1 de/zazuzar.1)
  configure_file(${PROJECT_SOURCE_DIR}/packaging/man/${page}
                 ${PROJECT_BINARY_DIR}/packaging/pages/${page} @ONLY)
endforeach()
configure_file(${PROJECT_SOURCE_DIR}/packaging/${ZAZUZAR_APP_ID}.metainfo.xml
               ${PROJECT_BINARY_DIR}/packaging/${ZAZUZAR_APP_ID}.metainfo.xml @ONLY)
file(CONFIGURE OUTPUT ${PROJECT_BINARY_DIR}/packaging/source-date-epoch
     CONTENT "${ZAZUZAR_RELEASE_EPOCH}\n")
