# Debian's hardening flags: stack protector, fortified functions, format
# checks, read-only relocations bound at start (full RELRO, BIND_NOW) and a
# position-independent executable. The flags come from dpkg-buildflags where it
# exists: those that hardening=+all adds to what hardening=-all gives. Without
# it the same flags are set here. They apply to the optimised builds only:
# fortified functions need optimisation.
if(NOT ZAZUZAR_HARDENING)
  return()
endif()

set(hardening_cxx_flags -fstack-protector-strong -Wformat -Werror=format-security
                        -D_FORTIFY_SOURCE=2)
set(hardening_link_flags -Wl,-z,relro -Wl,-z,now)

find_program(DPKG_BUILDFLAGS dpkg-buildflags)
if(DPKG_BUILDFLAGS)
  function(zazuzar_buildflags variable hardening result)
    execute_process(
      COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=${hardening}
              ${DPKG_BUILDFLAGS} --get ${variable}
      OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    separate_arguments(flags UNIX_COMMAND "${flags}")
    set(${result} ${flags} PARENT_SCOPE)
  endfunction()
  function(zazuzar_hardening_flags result)
    set(added)
    foreach(variable IN LISTS ARGN)
      zazuzar_buildflags(${variable} +all with)
      zazuzar_buildflags(${variable} -all without)
      list(REMOVE_ITEM with ${without})
      list(APPEND added ${with})
    endforeach()
    set(${result} ${added} PARENT_SCOPE)
  endfunction()
  zazuzar_hardening_flags(hardening_cxx_flags CPPFLAGS CXXFLAGS)
  zazuzar_hardening_flags(hardening_link_flags LDFLAGS)
endif()
list(JOIN hardening_cxx_flags " " shown_compile)
list(JOIN hardening_link_flags " " shown_link)
message(STATUS "Hardening: compile ${shown_compile}; link ${shown_link}; PIE")

set(optimised "$<CONFIG:Release,RelWithDebInfo,MinSizeRel>")
add_compile_options("$<${optimised}:${hardening_cxx_flags}>")
add_link_options("$<${optimised}:${hardening_link_flags}>")

include(CheckPIESupported)
check_pie_supported(LANGUAGES CXX)
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
