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
  if(WIN32)
    # A Windows program: address space layout randomisation (64-bit too) and
    # no execution of data, as the Windows loader offers them.
    set(link LINKER:--dynamicbase LINKER:--nxcompat LINKER:--high-entropy-va)
  else()
    set(link LINKER:-z,relro LINKER:-z,now)
  endif()
  foreach(setting stack-protector _FORTIFY_SOURCE relro "z[, ]*(now|lazy)")
    if(" ${CMAKE_CXX_FLAGS} ${CMAKE_EXE_LINKER_FLAGS}" MATCHES "${setting}")
      list(FILTER compile EXCLUDE REGEX "${setting}")
      list(FILTER link EXCLUDE REGEX "${setting}")
    endif()
  endforeach()
  set_property(TARGET ${ARGN} APPEND PROPERTY COMPILE_OPTIONS ${compile})
  set_property(TARGET ${ARGN} APPEND PROPERTY LINK_OPTIONS ${link})
  set_property(TARGET ${ARGN} PROPERTY POSITION_INDEPENDENT_CODE ON)
  if(WIN32)
    # mingw-w64 keeps the stack protector's and the fortified functions'
    # helpers in libssp, which whatever links these targets needs too.
    set_property(TARGET ${ARGN} APPEND PROPERTY INTERFACE_LINK_LIBRARIES ssp)
  endif()
endfunction()
