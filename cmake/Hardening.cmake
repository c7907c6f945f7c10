# zazuzar_harden(<target>...): stack protector, fortified functions (where
# the build optimises), full RELRO and PIE, as Debian's hardening=+all. What
# CMAKE_CXX_FLAGS or CMAKE_EXE_LINKER_FLAGS (CXXFLAGS, LDFLAGS) set is left to
# them, so a packager's own flags win; a compiler's own _FORTIFY_SOURCE is
# undefined before ours, so it is never defined twice.
include(CheckPIESupported)
check_pie_supported(LANGUAGES CXX)
function(zazuzar_harden)
  set(optimised Release,RelWithDebInfo,MinSizeRel)
  if(CMAKE_CXX_FLAGS MATCHES "(^| )-O([1-3gsz]|fast)?( |$)")
    string(APPEND optimised ",${CMAKE_BUILD_TYPE}")
  endif()
  set(compile -fstack-protector-strong
              "$<$<CONFIG:${optimised}>:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2>")
  set(link LINKER:-z,relro LINKER:-z,now)
  foreach(setting stack-protector _FORTIFY_SOURCE relro "z[, ]*(now|lazy)")
    if(" ${CMAKE_CXX_FLAGS} ${CMAKE_EXE_LINKER_FLAGS}" MATCHES "${setting}")
      list(FILTER compile EXCLUDE REGEX "${setting}")
      list(FILTER link EXCLUDE REGEX "${setting}")
    endif()
  endforeach()
  set_property(TARGET ${ARGN} APPEND PROPERTY COMPILE_OPTIONS ${compile})
  set_property(TARGET ${ARGN} APPEND PROPERTY LINK_OPTIONS ${link})
  set_property(TARGET ${ARGN} PROPERTY POSITION_INDEPENDENT_CODE ON)
endfunction()
