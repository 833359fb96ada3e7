# The layout table of the C++ code, made from skins/layout.json: the skin renderer and
# scripts/check-skins read that file, the program reads these rows, and a rectangle is written
# nowhere else. Re-made whenever the file changes (file(CONFIGURE) leaves an unchanged output
# alone, so nothing is rebuilt for nothing).
set(K8_LAYOUT_JSON ${CMAKE_SOURCE_DIR}/skins/layout.json)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${K8_LAYOUT_JSON})
file(READ ${K8_LAYOUT_JSON} K8_LAYOUT)
string(JSON count LENGTH "${K8_LAYOUT}" controls)
math(EXPR last "${count} - 1")
set(K8_LAYOUT_ROWS "")
foreach(i RANGE ${last})
  string(JSON control GET "${K8_LAYOUT}" controls ${i})
  string(JSON window GET "${control}" window)
  string(JSON name GET "${control}" name)
  if(name MATCHES "[\"\\\\]" OR window MATCHES "[\"\\\\]")
    message(FATAL_ERROR "skins/layout.json: a quote or backslash in the name '${window} ${name}'")
  endif()
  set(edges "")
  foreach(k RANGE 3)
    string(JSON v GET "${control}" rect ${k})
    list(APPEND edges ${v})
  endforeach()
  list(JOIN edges ", " edges)
  string(APPEND K8_LAYOUT_ROWS "    {\"${window}\", \"${name}\", {${edges}}},\n")
endforeach()
set(K8_LAYOUT_DIR ${CMAKE_BINARY_DIR}/generated)
file(CONFIGURE OUTPUT ${K8_LAYOUT_DIR}/layout_rows.inc
     CONTENT "// Made from skins/layout.json by cmake/layout-table.cmake: edit that file instead.\n@K8_LAYOUT_ROWS@"
     @ONLY)
