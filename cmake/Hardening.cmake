# Debian's hardening flags: stack protector, fortified functions, format
# checks, read-only relocations bound at start (full RELRO, BIND_NOW) and a
# position-independent executable. The flags come from dpkg-buildflags where it
# exists: those that hardening=+all adds to what hardening=-all gives. Without
# it the same flags are set here. zazuzar_harden() gives them to the program
# and its libraries, in the optimised builds only (fortified functions need
# optimisation), and leaves out every flag whose setting CMAKE_CXX_FLAGS or
# CMAKE_EXE_LINKER_FLAGS (CXXFLAGS, LDFLAGS) already make: a packager's own
# flags win and are not doubled.
function(zazuzar_harden)
endfunction()
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

# What a flag sets, so that -fno-stack-protector and -fstack-protector-all
# both count as a choice of stack protector, -D_FORTIFY_SOURCE=3 as one of
# _FORTIFY_SOURCE, -Wl,-z,norelro as one of RELRO.
function(zazuzar_flag_setting flag result)
  string(REGEX REPLACE "^-Wp," "" flag "${flag}")
  if(flag MATCHES "^-[DU]([A-Za-z0-9_]+)")
    set(setting "macro ${CMAKE_MATCH_1}")
  elseif(flag MATCHES "^-f(no-)?stack-protector")
    set(setting "stack protector")
  elseif(flag MATCHES "^-f(no-)?([^=]+)")
    set(setting "-f${CMAKE_MATCH_2}")
  elseif(flag MATCHES "^-Wl,-z,(no)?relro$")
    set(setting relro)
  elseif(flag MATCHES "^-Wl,-z,(now|lazy)$")
    set(setting "bind now")
  else()
    set(setting "${flag}")
  endif()
  set(${result} "${setting}" PARENT_SCOPE)
endfunction()

# The flags of ARGN whose setting the command line `given` leaves open.
function(zazuzar_flags_not_in given result)
  separate_arguments(given UNIX_COMMAND "${given}")
  set(made)
  foreach(flag IN LISTS given)
    zazuzar_flag_setting("${flag}" setting)
    list(APPEND made "${setting}")
  endforeach()
  set(open)
  foreach(flag IN LISTS ARGN)
    zazuzar_flag_setting("${flag}" setting)
    if(NOT setting IN_LIST made)
      list(APPEND open "${flag}")
    endif()
  endforeach()
  set(${result} ${open} PARENT_SCOPE)
endfunction()

string(TOUPPER "${CMAKE_BUILD_TYPE}" build_type)
zazuzar_flags_not_in("${CMAKE_CXX_FLAGS} ${CMAKE_CXX_FLAGS_${build_type}}" hardening_cxx_flags
                     ${hardening_cxx_flags})
zazuzar_flags_not_in("${CMAKE_EXE_LINKER_FLAGS} ${CMAKE_EXE_LINKER_FLAGS_${build_type}}"
                     hardening_link_flags ${hardening_link_flags})

# A compiler may set _FORTIFY_SOURCE itself in optimised builds; a second
# definition would be a redefinition warning.
include(CheckCXXSourceCompiles)
set(CMAKE_REQUIRED_FLAGS -O2)
set(CMAKE_REQUIRED_QUIET ON)
unset(ZAZUZAR_FORTIFY_LEFT_OPEN CACHE)
check_cxx_source_compiles("#ifdef _FORTIFY_SOURCE\n#error set\n#endif\nint main() {}"
                          ZAZUZAR_FORTIFY_LEFT_OPEN)
unset(CMAKE_REQUIRED_FLAGS)
if(NOT ZAZUZAR_FORTIFY_LEFT_OPEN)
  list(FILTER hardening_cxx_flags EXCLUDE REGEX "^-D_FORTIFY_SOURCE")
endif()

list(JOIN hardening_cxx_flags " " shown_compile)
list(JOIN hardening_link_flags " " shown_link)
message(STATUS "Hardening: compile ${shown_compile}; link ${shown_link}; PIE")

include(CheckPIESupported)
check_pie_supported(LANGUAGES CXX)

# Debian's packaging builds with the build type None, optimised by its CXXFLAGS.
set(optimised_configs Release RelWithDebInfo MinSizeRel)
if(CMAKE_CXX_FLAGS MATCHES "(^| )-O([1-3gsz]|fast)?( |$)")
  list(APPEND optimised_configs None)
endif()
list(JOIN optimised_configs "," optimised_configs)

function(zazuzar_harden)
  set(optimised "$<CONFIG:${optimised_configs}>")
  foreach(target IN LISTS ARGN)
    if(TARGET ${target})
      target_compile_options(${target} PRIVATE "$<${optimised}:${hardening_cxx_flags}>")
      target_link_options(${target} PRIVATE "$<${optimised}:${hardening_link_flags}>")
      set_target_properties(${target} PROPERTIES POSITION_INDEPENDENT_CODE ON)
    endif()
  endforeach()
endfunction()
