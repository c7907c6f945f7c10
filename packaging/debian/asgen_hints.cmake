# Prints the hints of an appstream-generator run, one line each on standard
# error: "<severity> <tag> <component>", the severity as hint-definitions.json
# gives it ("unknown" where it has none).
#   cmake -D HINTS=<Hints-<arch>.json> -D DEFINITIONS=<hint-definitions.json> -P asgen_hints.cmake
file(READ ${HINTS} hints)
file(READ ${DEFINITIONS} definitions)

# The indices of the array or object at the path ARGN of `hints`.
function(indices result)
  string(JSON length LENGTH "${hints}" ${ARGN})
  set(${result} PARENT_SCOPE)
  if(length GREATER 0)
    math(EXPR last "${length} - 1")
    foreach(index RANGE ${last})
      list(APPEND ${result} ${index})
    endforeach()
    set(${result} ${${result}} PARENT_SCOPE)
  endif()
endfunction()

indices(packages)
foreach(package IN LISTS packages)
  indices(components ${package} hints)
  foreach(index IN LISTS components)
    string(JSON component MEMBER "${hints}" ${package} hints ${index})
    indices(found ${package} hints ${component})
    foreach(hint IN LISTS found)
      string(JSON tag GET "${hints}" ${package} hints ${component} ${hint} tag)
      string(JSON severity ERROR_VARIABLE unknown GET "${definitions}" ${tag} severity)
      if(unknown)
        set(severity unknown)
      endif()
      message(NOTICE "${severity} ${tag} ${component}")
    endforeach()
  endforeach()
endforeach()
