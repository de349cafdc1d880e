# The library is layered. Every target declares its layer; a target may link only targets of its
# own layer or of layers below it, and a target that does not draw must never reach Qt Widgets,
# not even through a dependency. orvane_check_layering() fails the configuration otherwise.
#
# Layers, lowest first:
#   base      the floor: regional settings, currency, date-time, clock, paths, code page, readers
#   texto     text conversion and splitting, the settings file
#   dialogos  the dialog facade and its hooks (does not draw)
#   sistema   dates, files, versions, archives, values and the rest of the text routines
#   registro  the log writer and the wait window, on the file helpers
#   desenho   drawing targets: fonts, dialog forms, controls, platform dialogs
#   display   the display program
set(ORVANE_CAMADAS base texto dialogos sistema registro desenho display)
# One include root: every include names its folder ("base/Currency.h").
set(ORVANE_RAIZ_SRC ${CMAKE_CURRENT_LIST_DIR}/../src)
get_filename_component(ORVANE_RAIZ_SRC ${ORVANE_RAIZ_SRC} ABSOLUTE)

set_property(GLOBAL PROPERTY ORVANE_ALVOS "")

# orvane_library(NAME LAYER <layer> [GUI] SOURCES ... DEPENDS ...)
function(orvane_library name)
  cmake_parse_arguments(ARG "GUI" "LAYER" "SOURCES;DEPENDS" ${ARGN})
  list(FIND ORVANE_CAMADAS "${ARG_LAYER}" nivel)
  if(nivel EQUAL -1)
    message(FATAL_ERROR "Target ${name}: LAYER must be one of ${ORVANE_CAMADAS}")
  endif()
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${ORVANE_RAIZ_SRC})
  target_link_libraries(${name} PUBLIC ${ARG_DEPENDS})
  set_target_properties(${name} PROPERTIES ORVANE_NIVEL ${nivel} ORVANE_DESENHA ${ARG_GUI})
  set_property(GLOBAL APPEND PROPERTY ORVANE_ALVOS ${name})
endfunction()

function(_orvane_collect_links target out)
  set(seen "")
  set(queue ${target})
  while(queue)
    list(POP_FRONT queue current)
    if(current IN_LIST seen OR NOT TARGET ${current})
      continue()
    endif()
    list(APPEND seen ${current})
    get_target_property(aliased ${current} ALIASED_TARGET)
    if(aliased)
      list(APPEND queue ${aliased})
    endif()
    get_target_property(libs ${current} INTERFACE_LINK_LIBRARIES)
    get_target_property(type ${current} TYPE)
    if(NOT type STREQUAL "INTERFACE_LIBRARY")
      get_target_property(own ${current} LINK_LIBRARIES)
      if(own)
        list(APPEND libs ${own})
      endif()
    endif()
    foreach(lib IN LISTS libs)
      if(lib AND NOT lib MATCHES "^\\$<")
        list(APPEND queue ${lib})
      endif()
    endforeach()
  endwhile()
  set(${out} ${seen} PARENT_SCOPE)
endfunction()

function(orvane_check_layering)
  get_property(alvos GLOBAL PROPERTY ORVANE_ALVOS)
  foreach(target IN LISTS alvos)
    get_target_property(nivel ${target} ORVANE_NIVEL)
    get_target_property(desenha ${target} ORVANE_DESENHA)
    _orvane_collect_links(${target} reached)
    foreach(outro IN LISTS reached)
      if(outro STREQUAL target)
        continue()
      endif()
      get_target_property(nivelOutro ${outro} ORVANE_NIVEL)
      if(nivelOutro AND nivelOutro GREATER nivel)
        list(GET ORVANE_CAMADAS ${nivel} camada)
        list(GET ORVANE_CAMADAS ${nivelOutro} camadaOutro)
        message(FATAL_ERROR
          "Upward link: ${target} (layer ${camada}) reaches ${outro} (layer ${camadaOutro})")
      endif()
    endforeach()
    if(NOT desenha AND Qt6::Widgets IN_LIST reached)
      message(FATAL_ERROR "Target ${target} does not draw but reaches Qt6::Widgets")
    endif()
  endforeach()
endfunction()
