# quillon_library(NAME DIR [WIDGETS] [LINKS ...])
#
# One static library from the sources of one folder. The folder is the
# library's include root, and a library sees only the roots of what it
# links: an include that crosses the layering the wrong way fails to
# compile. Logic libraries link Qt6::Core only; WIDGETS libraries link
# Qt6::Widgets. Sources are picked up by glob, so adding a file needs no edit.
function(quillon_library name dir)
  cmake_parse_arguments(ARG "WIDGETS" "" "LINKS" ${ARGN})
  file(GLOB src CONFIGURE_DEPENDS ${dir}/*.cpp ${dir}/*.h)
  if(NOT src)
    # A folder without sources yet still gives its name, so that other
    # targets can already list it among their links.
    add_library(${name} INTERFACE)
    return()
  endif()
  add_library(${name} STATIC ${src})
  target_include_directories(${name} PUBLIC ${dir})
  if(ARG_WIDGETS)
    target_link_libraries(${name} PUBLIC quillon_options Qt6::Widgets ${ARG_LINKS})
  else()
    target_link_libraries(${name} PUBLIC quillon_options Qt6::Core ${ARG_LINKS})
    set_property(GLOBAL APPEND PROPERTY QUILLON_LOGIC_DIRS ${dir})
  endif()
endfunction()

# quillon_subsystem(NAME [LINKS ...] [GUI_LINKS ...])
#
# A subsystem folder holds its logic at the top and its windows under gui/:
#   quillon_<name>      logic (QtCore only), include root src/<name>
#   quillon_<name>_gui  windows, include root src/<name>/gui, links the logic
function(quillon_subsystem name)
  cmake_parse_arguments(ARG "" "" "LINKS;GUI_LINKS" ${ARGN})
  set(dir ${CMAKE_CURRENT_SOURCE_DIR})
  quillon_library(quillon_${name} ${dir} LINKS ${ARG_LINKS})
  quillon_library(quillon_${name}_gui ${dir}/gui WIDGETS LINKS quillon_${name} ${ARG_GUI_LINKS})
endfunction()
