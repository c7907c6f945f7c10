# Run by CPack on the staged files of the Debian package, before it packs
# them: what Debian wants beyond what `cmake --install` gives.
# - The changelog in Debian's format, made from the installed CHANGELOG.md by
#   packaging/debian/changelog.sh, in its place, and the copyright file.
# - The changelog and the manual pages compressed, without a name or a time
#   stamp in the gzip header.
# - Modes 0644 for the files made here and 0755 for every folder: CMake makes
#   the folders an installed file goes into with the builder's umask, whatever
#   CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS says, so under umask 077 they
#   would be 0700 and readable by root only.
set(staged ${CPACK_TEMPORARY_DIRECTORY})
foreach(folder DOCDIR MANDIR)
  cmake_path(ABSOLUTE_PATH CPACK_ZAZUZAR_${folder} BASE_DIRECTORY ${CPACK_PACKAGING_INSTALL_PREFIX}
             OUTPUT_VARIABLE ${folder})
endforeach()
set(doc ${staged}${DOCDIR})
execute_process(
  COMMAND bash ${CPACK_ZAZUZAR_SOURCE_DIR}/packaging/debian/changelog.sh ${CPACK_PACKAGE_NAME}
          ${CPACK_PACKAGE_CONTACT} ${doc}/CHANGELOG.md ${doc}/changelog COMMAND_ERROR_IS_FATAL ANY)
file(REMOVE ${doc}/CHANGELOG.md)
file(COPY_FILE ${CPACK_ZAZUZAR_SOURCE_DIR}/packaging/debian/copyright ${doc}/copyright)
file(GLOB_RECURSE pages ${staged}${MANDIR}/*.1)
execute_process(COMMAND gzip -9n ${doc}/changelog ${pages} COMMAND_ERROR_IS_FATAL ANY)
list(TRANSFORM pages APPEND .gz)
file(CHMOD ${doc}/changelog.gz ${doc}/copyright ${pages}
     PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)

file(GLOB_RECURSE folders LIST_DIRECTORIES true "${staged}/*")
foreach(folder IN LISTS folders)
  if(IS_DIRECTORY "${folder}")
    file(CHMOD "${folder}" PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
                                       GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
  endif()
endforeach()
