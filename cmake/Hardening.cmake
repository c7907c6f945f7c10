# zazuzar_harden(<folder>): builds every library and executable of <folder>
# and the folders below it with what Debian's hardening=+all gives on Debian
# 13 (dpkg-buildflags), each setting only where the compiler and the linker
# take it:
#   format           -Wformat -Werror=format-security
#   fortify          -D_FORTIFY_SOURCE=2 where the build type optimises, left
#                    out where the compiler's own default is as strong (Ubuntu's
#                    GCC defines 3)
#   stack protector  -fstack-protector-strong
#   stack clash      -fstack-clash-protection (not on Windows, which probes
#                    the stack itself)
#   branch           -fcf-protection on x86, -mbranch-protection=standard on arm64
#   relro, now       executables link with -z relro -z now; on Windows with
#                    --dynamicbase --nxcompat --high-entropy-va instead
#   pie              position-independent executables (and code in the libraries)
# A setting that the packager's own flags make (CMAKE_CXX_FLAGS and
# CMAKE_EXE_LINKER_FLAGS, that is CXXFLAGS and LDFLAGS, and their
# _<CONFIG> forms for the build type, or any build type of a multi-config
# generator) is left to them: a packager's own flags win.
include(CheckCXXCompilerFlag)
include(CheckCXXSourceCompiles)
include(CheckLinkerFlag)
include(CheckPIESupported)
check_pie_supported(LANGUAGES CXX)

function(zazuzar_harden folder)
  # Each setting: how the packager's flags make it, and its options.
  set(settings format fortify stack-protector stack-clash branch pie)
  set(format_set "-W(no-)?(error=)?format")
  set(format_compile -Wformat -Werror=format-security)
  set(fortify_set _FORTIFY_SOURCE)
  set(fortify_compile -U_FORTIFY_SOURCE -D_FORTIFY_SOURCE=2)
  set(stack-protector_set stack-protector)
  set(stack-protector_compile -fstack-protector-strong)
  set(stack-clash_set stack-clash)
  set(stack-clash_compile -fstack-clash-protection)
  set(branch_set "cf-protection|branch-protection")
  if(CMAKE_SYSTEM_PROCESSOR MATCHES "^(x86_64|AMD64|amd64|i[3-6]86)$")
    set(branch_compile -fcf-protection)
  elseif(CMAKE_SYSTEM_PROCESSOR MATCHES "^(aarch64|arm64|ARM64)$")
    set(branch_compile -mbranch-protection=standard)
  endif()
  set(pie_set "(^| )-(f(no-)?(pie|PIE)|(no-)?pie)( |$)")
  if(WIN32)
    # Windows probes the stack of every frame larger than a page itself
    # (__chkstk), and mingw-w64's GCC 12 fails on -fstack-clash-protection
    # with an internal error where a frame is that large.
    list(REMOVE_ITEM settings stack-clash)
    # Address space layout randomisation (64-bit too) and no execution of
    # data, as the Windows loader offers them.
    list(APPEND settings aslr)
    set(aslr_set "dynamicbase|nxcompat|high-entropy-va")
    set(aslr_link LINKER:--dynamicbase,--nxcompat,--high-entropy-va)
  else()
    list(APPEND settings relro now)
    set(relro_set relro)
    set(relro_link LINKER:-z,relro)
    set(now_set "z[, ]*(now|lazy)")
    set(now_link LINKER:-z,now)
  endif()

  # The packager's flags, and the build types whose flags optimise.
  set(packager " ${CMAKE_CXX_FLAGS} ${CMAKE_EXE_LINKER_FLAGS} ")
  set(optimised)
  foreach(config IN LISTS CMAKE_CONFIGURATION_TYPES CMAKE_BUILD_TYPE)
    string(TOUPPER ${config} upper)
    string(APPEND packager "${CMAKE_CXX_FLAGS_${upper}} ${CMAKE_EXE_LINKER_FLAGS_${upper}} ")
    string(REGEX MATCHALL "(^| )-O[^ ]*" levels " ${CMAKE_CXX_FLAGS} ${CMAKE_CXX_FLAGS_${upper}}")
    list(POP_BACK levels level)
    if(level AND NOT level MATCHES "-O0$")
      list(APPEND optimised ${config})
    endif()
  endforeach()
  list(JOIN optimised "," optimised)
  set(CMAKE_REQUIRED_FLAGS -O2)
  check_cxx_source_compiles("#if _FORTIFY_SOURCE < 2\n#error\n#endif\nint main() { return 0; }"
                            ZAZUZAR_COMPILER_FORTIFIES)
  if(ZAZUZAR_COMPILER_FORTIFIES OR NOT optimised)
    list(REMOVE_ITEM settings fortify)
  endif()

  set(compile)
  set(link)
  set(pie OFF)
  foreach(setting IN LISTS settings)
    if(packager MATCHES "${${setting}_set}")
      continue()
    elseif(setting STREQUAL "pie")
      set(pie ON)
    elseif(${setting}_compile)
      # The last option is tried, after those before it.
      set(CMAKE_REQUIRED_FLAGS ${${setting}_compile})
      list(POP_BACK CMAKE_REQUIRED_FLAGS last)
      list(JOIN CMAKE_REQUIRED_FLAGS " " CMAKE_REQUIRED_FLAGS)
      check_cxx_compiler_flag(${last} ZAZUZAR_COMPILES_${setting})
      if(ZAZUZAR_COMPILES_${setting} AND setting STREQUAL "fortify")
        list(APPEND compile "$<$<CONFIG:${optimised}>:${fortify_compile}>")
      elseif(ZAZUZAR_COMPILES_${setting})
        list(APPEND compile ${${setting}_compile})
      endif()
    elseif(${setting}_link)
      check_linker_flag(CXX ${${setting}_link} ZAZUZAR_LINKS_${setting})
      if(ZAZUZAR_LINKS_${setting})
        list(APPEND link ${${setting}_link})
      endif()
    endif()
  endforeach()

  set(folders ${folder})
  while(folders)
    list(POP_FRONT folders folder)
    get_property(targets DIRECTORY ${folder} PROPERTY BUILDSYSTEM_TARGETS)
    get_property(below DIRECTORY ${folder} PROPERTY SUBDIRECTORIES)
    list(APPEND folders ${below})
    foreach(target IN LISTS targets)
      get_target_property(type ${target} TYPE)
      if(NOT type MATCHES "^(EXECUTABLE|STATIC_LIBRARY|OBJECT_LIBRARY)$")
        continue()
      endif()
      set_property(TARGET ${target} APPEND PROPERTY COMPILE_OPTIONS ${compile})
      if(pie)
        set_property(TARGET ${target} PROPERTY POSITION_INDEPENDENT_CODE ON)
      endif()
      # Linking means something to executables only.
      if(type STREQUAL "EXECUTABLE")
        set_property(TARGET ${target} APPEND PROPERTY LINK_OPTIONS ${link})
      endif()
      if(WIN32)
        # mingw-w64 keeps the stack protector's and the fortified functions'
        # helpers in libssp, which whatever links this code needs after it.
        set_property(TARGET ${target} APPEND PROPERTY LINK_LIBRARIES ssp)
        set_property(TARGET ${target} APPEND PROPERTY INTERFACE_LINK_LIBRARIES ssp)
      endif()
    endforeach()
  endwhile()
endfunction()
