# Run by CPack on the staged files, before it packs them: every folder gets
# the mode 0755. CMake makes the folders an installed file goes into with the
# builder's umask, whatever CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS says,
# so under umask 077 they would be 0700 and readable by root only.
file(GLOB_RECURSE folders LIST_DIRECTORIES true "${CPACK_TEMPORARY_DIRECTORY}/*")
foreach(folder IN LISTS folders)
  if(IS_DIRECTORY "${folder}")
    file(CHMOD "${folder}" PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
                                       GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
  endif()
endforeach()
