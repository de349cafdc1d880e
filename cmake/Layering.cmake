# The library is layered, and its folders are the layers: the top folders of src/ are the layers,
# lowest first, and a target belongs to the layer of the folder it is declared in. A target may
# link only targets of its own layer or of layers below it, and a target that does not draw must
# never reach Qt Widgets, not even through a dependency. orvane_check_layering() fails the
# configuration otherwise.
#
# Layers, lowest first:
#   base      the floor: regional settings, currency, date-time, clock, paths, code page, readers
#   texto     text conversion and splitting, the settings file
#   dialogos  the dialog facade and its hooks (does not draw)
#   sistema   files, archives, XML, versions, values and the rest of the text routines
#   registro  what writes records and shows progress over the file layer: the log writer, the
#             wait window's flag files, the self-update
#   desenho   drawing targets: fonts, dialog forms, controls, the text measurer, file choosers
#   display   the display program
set(ORVANE_CAMADAS base texto dialogos sistema registro desenho display)
# One include root: every include names its folder ("base/Currency.h").
set(ORVANE_RAIZ_SRC ${CMAKE_CURRENT_LIST_DIR}/../src)
get_filename_component(ORVANE_RAIZ_SRC ${ORVANE_RAIZ_SRC} ABSOLUTE)
# The folder whose subfolders are the layers; a project may name its own (the layering test does).
if(NOT DEFINED ORVANE_RAIZ_CAMADAS)
  set(ORVANE_RAIZ_CAMADAS ${ORVANE_RAIZ_SRC})
endif()
# The export headers of the shared libraries (cmake/Biblioteca.cmake), under the same folders.
set(ORVANE_EXPORTACAO ${CMAKE_BINARY_DIR}/exportacao)

set_property(GLOBAL PROPERTY ORVANE_ALVOS "")

# The layer of the folder being declared: the first folder below the layers' root.
function(_orvane_camada_da_pasta out)
  file(RELATIVE_PATH relativo ${ORVANE_RAIZ_CAMADAS} ${CMAKE_CURRENT_SOURCE_DIR})
  string(REGEX REPLACE "/.*" "" camada "${relativo}")
  if(NOT camada IN_LIST ORVANE_CAMADAS)
    message(FATAL_ERROR "${CMAKE_CURRENT_SOURCE_DIR} is not inside a layer folder "
      "(${ORVANE_CAMADAS}) of ${ORVANE_RAIZ_CAMADAS}")
  endif()
  set(${out} ${camada} PARENT_SCOPE)
endfunction()

# orvane_library(NAME [GUI] SOURCES ... DEPENDS ...): GUI marks a target that draws with widgets.
function(orvane_library name)
  cmake_parse_arguments(ARG "GUI" "" "SOURCES;DEPENDS" ${ARGN})
  if(ARG_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "Target ${name}: unknown arguments ${ARG_UNPARSED_ARGUMENTS} (the layer is "
      "the folder the target is declared in)")
  endif()
  _orvane_camada_da_pasta(camada)
  list(FIND ORVANE_CAMADAS "${camada}" nivel)
  add_library(${name} STATIC ${ARG_SOURCES})
  # The unit's objects also make its layer's shared library: only what a header exports is seen.
  set_target_properties(${name} PROPERTIES POSITION_INDEPENDENT_CODE ON
    CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON)
  target_include_directories(${name} PUBLIC ${ORVANE_RAIZ_SRC} ${ORVANE_EXPORTACAO})
  target_link_libraries(${name} PUBLIC ${ARG_DEPENDS})
  # The layer's shared library links the same outside libraries from the top folder.
  foreach(dep IN LISTS ARG_DEPENDS)
    if(TARGET ${dep})
      get_target_property(importado ${dep} IMPORTED)
      get_target_property(global ${dep} IMPORTED_GLOBAL)
      get_target_property(pasta ${dep} BINARY_DIR)
      if(importado AND NOT global AND pasta STREQUAL CMAKE_CURRENT_BINARY_DIR)
        set_target_properties(${dep} PROPERTIES IMPORTED_GLOBAL TRUE)
      endif()
    endif()
  endforeach()
  set_target_properties(${name} PROPERTIES ORVANE_NIVEL ${nivel} ORVANE_DESENHA ${ARG_GUI})
  # Sources of internal/ helpers (under internal/, or named after a header of internal/), which
  # the other libraries that include their headers compile again (cmake/Biblioteca.cmake).
  set(internas "")
  foreach(fonte IN LISTS ARG_SOURCES)
    get_filename_component(nome ${fonte} NAME_WE)
    if(fonte MATCHES "(^|/)internal/" OR EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/internal/${nome}.h)
      list(APPEND internas ${CMAKE_CURRENT_SOURCE_DIR}/${fonte})
    endif()
  endforeach()
  set_target_properties(${name} PROPERTIES ORVANE_FONTES_INTERNAS "${internas}")
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
