# quillon_subsystem(NAME DIR [LINKS ...] [GUI_LINKS ...])
#
# Every subsystem folder holds its logic at the top (QtCore only, no widgets)
# and its windows under gui/. Two static libraries come out of it:
#   quillon_<name>      logic, links Qt6::Core only
#   quillon_<name>_gui  windows, links Widgets and the logic library
# Sources are picked up by glob so that adding a file needs no edit here.
function(quillon_subsystem name)
  cmake_parse_arguments(ARG "" "" "LINKS;GUI_LINKS" ${ARGN})
  set(dir ${CMAKE_CURRENT_SOURCE_DIR})
  file(GLOB logic_src CONFIGURE_DEPENDS ${dir}/*.cpp ${dir}/*.h)
  file(GLOB gui_src CONFIGURE_DEPENDS ${dir}/gui/*.cpp ${dir}/gui/*.h)
  if(logic_src)
    add_library(quillon_${name} STATIC ${logic_src})
    target_include_directories(quillon_${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
    target_link_libraries(quillon_${name} PUBLIC quillon_options Qt6::Core ${ARG_LINKS})
    # Logic must not reach for widgets: the logic tests link these libraries
    # without Qt6::Widgets, so a widget symbol here fails their link.
  endif()
  if(gui_src)
    add_library(quillon_${name}_gui STATIC ${gui_src})
    target_include_directories(quillon_${name}_gui PUBLIC ${CMAKE_SOURCE_DIR}/src)
    set(logic_dep)
    if(logic_src)
      set(logic_dep quillon_${name})
    endif()
    target_link_libraries(quillon_${name}_gui PUBLIC quillon_options ${logic_dep} Qt6::Widgets ${ARG_GUI_LINKS})
  endif()
  # A folder without sources yet still gives its names, so that other
  # targets can already list it among their links.
  if(NOT logic_src)
    add_library(quillon_${name} INTERFACE)
  endif()
  if(NOT gui_src)
    add_library(quillon_${name}_gui INTERFACE)
  endif()
endfunction()
