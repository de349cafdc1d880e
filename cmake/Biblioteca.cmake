# The library as a product for the POS programs: one shared library per layer below the display,
# made of the objects of the layer's units, with its headers, a CMake package and pkg-config files.
#
# The units stay static archives (orvane_library in Layering.cmake), and the display, the
# simulator and the tests link them as before; the shared libraries are a second consumer of the
# same objects. So a unit declared in a layer folder joins its layer's library with no line of its
# own, and nothing here changes how the program or the tests are built.
#
#   component        library                 holds
#   Base             libOrvaneBase.so.23     the base layer
#   Texto            libOrvaneTexto.so.23    the texto layer, ...
#   SistemaFtp       libOrvaneSistemaFtp...  a unit that reaches a heavy outside library (curl)
#   Desenho          libOrvaneDesenho.so.23  the drawing units that stop at Qt Gui
#   DesenhoWidgets   libOrvaneDesenhoWidgets the drawing units that reach Qt Widgets (GUI)
#
# A library links the libraries of the lower layers its units use, never their archives, so the
# process holds one copy of each layer's state. Everything is compiled with hidden visibility; a
# header exports its public classes and functions with its library's macro (ORVANE_BASE_EXPORT,
# from base/ExportacaoBase.h, made by generate_export_header), and internal/ exports nothing.

include(GenerateExportHeader)
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

# What is installed without naming a component belongs to the display's package.
set(CMAKE_INSTALL_DEFAULT_COMPONENT_NAME programa)
set(_ORVANE_INCLUDE_INSTALADO ${CMAKE_INSTALL_INCLUDEDIR}/orvane)
set(_ORVANE_CMAKE_INSTALADO ${CMAKE_INSTALL_LIBDIR}/cmake/Orvane)
set(_ORVANE_PC_INSTALADO ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
set(_ORVANE_CAMADAS_BIBLIOTECA ${ORVANE_CAMADAS})
list(REMOVE_ITEM _ORVANE_CAMADAS_BIBLIOTECA display)

# Outside libraries heavy to load: libcurl brings some thirty libraries with it (TLS, LDAP,
# Kerberos, SSH, HTTP/2), a third of the display's start-up when it was in the layer's library;
# libzip brings libcrypto, 1.4 ms of it.
set(_ORVANE_EXTERNAS_PESADAS CURL::libcurl PkgConfig::LIBZIP)
# libcups brings TLS, Kerberos and Avahi.
list(APPEND _ORVANE_EXTERNAS_PESADAS Cups::Cups)

# Whether the unit, or a library unit it reaches, links one of the heavy outside libraries.
function(_orvane_alcanca_externa alvo out)
  set(fila ${alvo})
  set(vistos "")
  while(fila)
    list(POP_FRONT fila atual)
    if(atual IN_LIST vistos)
      continue()
    endif()
    list(APPEND vistos ${atual})
    get_target_property(ligacoes ${atual} LINK_LIBRARIES)
    foreach(ligacao IN LISTS ligacoes)
      if(NOT TARGET ${ligacao})
        continue()
      endif()
      get_target_property(nivel ${ligacao} ORVANE_NIVEL)
      if(NOT nivel STREQUAL "nivel-NOTFOUND")
        list(APPEND fila ${ligacao})
      elseif(ligacao IN_LIST _ORVANE_EXTERNAS_PESADAS)
        set(${out} TRUE PARENT_SCOPE)
        return()
      endif()
    endforeach()
  endwhile()
  set(${out} FALSE PARENT_SCOPE)
endfunction()

function(_orvane_maiuscula texto out)
  string(SUBSTRING ${texto} 0 1 inicial)
  string(SUBSTRING ${texto} 1 -1 resto)
  string(TOUPPER ${inicial} inicial)
  set(${out} ${inicial}${resto} PARENT_SCOPE)
endfunction()

# The component of an orvane_library target, empty for the display's targets and for targets
# that are not the library's: the layer's name (Sistema); a unit that reaches a heavy outside
# library (above) is a component of its own, named after its layer and unit (SistemaFtp), so that
# a program not using it does not load that library and what it pulls in;
# a drawing unit that reaches Qt Widgets is in <Layer>Widgets, so that a program without widgets
# does not load Qt Widgets. The headers' export macros follow the same components.
function(_orvane_componente alvo out)
  set(${out} "" PARENT_SCOPE)
  if(NOT TARGET ${alvo})
    return()
  endif()
  get_target_property(nivel ${alvo} ORVANE_NIVEL)
  if(nivel STREQUAL "nivel-NOTFOUND")
    return()
  endif()
  list(GET ORVANE_CAMADAS ${nivel} camada)
  if(NOT camada IN_LIST _ORVANE_CAMADAS_BIBLIOTECA)
    return()
  endif()
  _orvane_maiuscula(${camada} componente)
  _orvane_alcanca_externa(${alvo} externa)
  get_target_property(desenha ${alvo} ORVANE_DESENHA)
  if(externa)
    string(REGEX REPLACE "^${camada}_" "" unidade ${alvo})
    _orvane_maiuscula(${unidade} unidade)
    string(APPEND componente ${unidade})
  elseif(desenha)
    string(APPEND componente Widgets)
  endif()
  set(${out} ${componente} PARENT_SCOPE)
endfunction()

function(_orvane_criar_biblioteca componente camada)
  set(alvo Orvane${componente})
  add_library(${alvo} SHARED)
  add_library(Orvane::${componente} ALIAS ${alvo})
  target_include_directories(${alvo} PRIVATE ${ORVANE_RAIZ_SRC} ${ORVANE_EXPORTACAO})
  set_target_properties(${alvo} PROPERTIES LINKER_LANGUAGE CXX EXPORT_NAME ${componente}
    CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON
    VERSION ${PROJECT_VERSION} SOVERSION ${PROJECT_VERSION_MAJOR} ORVANE_CAMADA ${camada})
  target_include_directories(${alvo} INTERFACE
    $<BUILD_INTERFACE:${ORVANE_RAIZ_SRC}> $<BUILD_INTERFACE:${ORVANE_EXPORTACAO}>
    $<INSTALL_INTERFACE:${_ORVANE_INCLUDE_INSTALADO}>)
  string(TOUPPER ${componente} maiusculo)
  set(cabecalho ${ORVANE_EXPORTACAO}/${camada}/Exportacao${componente}.h)
  generate_export_header(${alvo} BASE_NAME ORVANE_${maiusculo} EXPORT_FILE_NAME ${cabecalho})
  install(FILES ${cabecalho} DESTINATION ${_ORVANE_INCLUDE_INSTALADO}/${camada}
    COMPONENT desenvolvimento)
  # Start-up: calls inside the library bind to its own functions at link time, and only the
  # libraries it uses are loaded with it (Qt's link interface names OpenGL, which it does not).
  target_link_options(${alvo} PRIVATE LINKER:-Bsymbolic-functions LINKER:--as-needed)
  # A symbol the library uses and no library exports fails here, not in the POS program. The
  # sanitizers' run-time is linked only into programs, so their builds leave this out.
  if(NOT ORVANE_SANITIZE)
    target_link_options(${alvo} PRIVATE LINKER:--no-undefined)
  endif()
  install(TARGETS ${alvo} EXPORT OrvaneAlvos
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT bibliotecas
      NAMELINK_COMPONENT desenvolvimento)
endfunction()

# The internal/ helpers of a unit of another library whose headers this library's units include,
# compiled into this one as well: they are exported by neither, so each library that uses them
# holds its own copy (they keep no state). A helper used across libraries therefore has its
# source under internal/ or named after its internal/ header, and calls only public operations
# of other units.
function(_orvane_copiar_internas alvo unidade incluidos)
  get_target_property(internas ${unidade} ORVANE_FONTES_INTERNAS)
  get_target_property(copiadas ${alvo} ORVANE_INTERNAS_COPIADAS)
  foreach(fonte IN LISTS internas)
    get_filename_component(nome ${fonte} NAME_WE)
    if(NOT fonte IN_LIST copiadas AND "${nome}" IN_LIST incluidos)
      target_sources(${alvo} PRIVATE ${fonte})
      set_property(TARGET ${alvo} APPEND PROPERTY ORVANE_INTERNAS_COPIADAS ${fonte})
    endif()
  endforeach()
endfunction()

# The names of the internal/ headers the unit's sources include.
function(_orvane_internos_incluidos unidade out)
  get_target_property(pasta ${unidade} SOURCE_DIR)
  get_target_property(fontes ${unidade} SOURCES)
  set(nomes "")
  foreach(fonte IN LISTS fontes)
    if(NOT IS_ABSOLUTE ${fonte})
      set(fonte ${pasta}/${fonte})
    endif()
    if(EXISTS ${fonte})
      file(STRINGS ${fonte} linhas REGEX "^#include \"[^\"]*/internal/[^\"]*\\.h\"")
      foreach(linha IN LISTS linhas)
        string(REGEX REPLACE ".*/internal/([^\"]*)\\.h\".*" "\\1" nome "${linha}")
        list(APPEND nomes ${nome})
      endforeach()
    endif()
  endforeach()
  set(${out} ${nomes} PARENT_SCOPE)
endfunction()

# The unit's objects into its component's library, its links mapped: a unit of another component
# becomes that component's library, Qt stays public (the headers use it), the rest is private.
function(_orvane_juntar_unidade unidade componente)
  set(alvo Orvane${componente})
  target_sources(${alvo} PRIVATE $<TARGET_OBJECTS:${unidade}>)
  get_target_property(ligacoes ${unidade} LINK_LIBRARIES)
  _orvane_internos_incluidos(${unidade} incluidos)
  foreach(ligacao IN LISTS ligacoes)
    _orvane_componente(${ligacao} outro)
    if(outro)
      if(NOT outro STREQUAL componente)
        target_link_libraries(${alvo} PUBLIC Orvane${outro})
        _orvane_copiar_internas(${alvo} ${ligacao} "${incluidos}")
        string(TOLOWER ${outro} minusculo)
        set_property(TARGET ${alvo} APPEND PROPERTY ORVANE_REQUER orvane-${minusculo})
      endif()
    elseif(ligacao MATCHES "^Qt6::(.*)$")
      target_link_libraries(${alvo} PUBLIC ${ligacao})
      set_property(TARGET ${alvo} APPEND PROPERTY ORVANE_REQUER Qt6${CMAKE_MATCH_1})
      set_property(GLOBAL APPEND PROPERTY ORVANE_QT_PUBLICOS ${CMAKE_MATCH_1})
    else()
      target_link_libraries(${alvo} PRIVATE ${ligacao})
    endif()
  endforeach()
  get_target_property(pasta ${unidade} SOURCE_DIR)
  file(RELATIVE_PATH relativa ${ORVANE_RAIZ_SRC} ${pasta})
  file(GLOB cabecalhos ${pasta}/*.h)
  install(FILES ${cabecalhos} DESTINATION ${_ORVANE_INCLUDE_INSTALADO}/${relativa}
    COMPONENT desenvolvimento)
endfunction()

# pkg-config file orvane-<component>.pc, relative to its own folder so that an installation
# under another prefix (the test's temporary one) reads right.
function(_orvane_pkgconfig componente)
  set(alvo Orvane${componente})
  string(TOLOWER ${componente} minusculo)
  get_target_property(requer ${alvo} ORVANE_REQUER)
  list(REMOVE_DUPLICATES requer)
  list(JOIN requer " " requer)
  file(RELATIVE_PATH subir /${_ORVANE_PC_INSTALADO} /)
  file(WRITE ${CMAKE_BINARY_DIR}/pkgconfig/orvane-${minusculo}.pc
"prefix=\${pcfiledir}/${subir}
libdir=\${prefix}/${CMAKE_INSTALL_LIBDIR}
includedir=\${prefix}/${_ORVANE_INCLUDE_INSTALADO}

Name: Orvane ${componente}
Description: Orvane library, ${componente} component
Version: ${PROJECT_VERSION}
Requires: ${requer}
Libs: -L\${libdir} -l${alvo}
Cflags: -I\${includedir}
")
  install(FILES ${CMAKE_BINARY_DIR}/pkgconfig/orvane-${minusculo}.pc
    DESTINATION ${_ORVANE_PC_INSTALADO} COMPONENT desenvolvimento)
endfunction()

# Called once every unit is declared.
function(orvane_bibliotecas)
  get_property(alvos GLOBAL PROPERTY ORVANE_ALVOS)
  set(componentes "")
  foreach(unidade IN LISTS alvos)
    _orvane_componente(${unidade} componente)
    if(NOT componente)
      continue()
    endif()
    if(NOT TARGET Orvane${componente})
      get_target_property(nivel ${unidade} ORVANE_NIVEL)
      list(GET ORVANE_CAMADAS ${nivel} camada)
      _orvane_criar_biblioteca(${componente} ${camada})
      list(APPEND componentes ${componente})
    endif()
    _orvane_juntar_unidade(${unidade} ${componente})
  endforeach()
  foreach(componente IN LISTS componentes)
    _orvane_pkgconfig(${componente})
  endforeach()
  set_property(GLOBAL PROPERTY ORVANE_COMPONENTES ${componentes})

  get_property(ORVANE_QT_PUBLICOS GLOBAL PROPERTY ORVANE_QT_PUBLICOS)
  list(REMOVE_DUPLICATES ORVANE_QT_PUBLICOS)
  list(JOIN ORVANE_QT_PUBLICOS " " ORVANE_QT_PUBLICOS)
  set(saida ${CMAKE_BINARY_DIR}/cmake)
  install(EXPORT OrvaneAlvos NAMESPACE Orvane:: DESTINATION ${_ORVANE_CMAKE_INSTALADO}
    COMPONENT desenvolvimento)
  configure_package_config_file(${CMAKE_CURRENT_FUNCTION_LIST_DIR}/OrvaneConfig.cmake.in
    ${saida}/OrvaneConfig.cmake INSTALL_DESTINATION ${_ORVANE_CMAKE_INSTALADO})
  # Another major version is another interface: find_package(Orvane 24) refuses 23.x.
  write_basic_package_version_file(${saida}/OrvaneConfigVersion.cmake
    COMPATIBILITY SameMajorVersion)
  install(FILES ${saida}/OrvaneConfig.cmake ${saida}/OrvaneConfigVersion.cmake
    DESTINATION ${_ORVANE_CMAKE_INSTALADO} COMPONENT desenvolvimento)
endfunction()

# orvane_sobre_bibliotecas(PROGRAMA NOVO): NOVO is the program PROGRAMA linked to the shared
# libraries: its own sources and the objects of the display units it reaches, with each library
# unit it reaches replaced by that unit's component. The package installs this form of the
# display; the start-up benchmark compares it with the static one.
function(orvane_sobre_bibliotecas programa novo)
  get_target_property(fontes ${programa} SOURCES)
  get_target_property(pasta ${programa} SOURCE_DIR)
  list(TRANSFORM fontes PREPEND ${pasta}/ REGEX "^[^/]")
  add_executable(${novo} ${fontes})
  get_target_property(definicoes ${programa} COMPILE_DEFINITIONS)
  target_compile_definitions(${novo} PRIVATE ${definicoes})
  _orvane_collect_links(${programa} alcancados)
  foreach(alvo IN LISTS alcancados)
    _orvane_componente(${alvo} componente)
    if(alvo STREQUAL programa)
      continue()
    elseif(componente)
      target_link_libraries(${novo} PRIVATE Orvane${componente})
    elseif(TARGET ${alvo})
      get_target_property(nivel ${alvo} ORVANE_NIVEL)
      if(nivel STREQUAL "nivel-NOTFOUND")
        target_link_libraries(${novo} PRIVATE ${alvo})
      else()
        target_sources(${novo} PRIVATE $<TARGET_OBJECTS:${alvo}>)
      endif()
    endif()
  endforeach()
  target_include_directories(${novo} PRIVATE ${ORVANE_RAIZ_SRC} ${ORVANE_EXPORTACAO})
  # Its file has the program's name, in a folder of its own.
  get_target_property(nome ${programa} OUTPUT_NAME)
  if(NOT nome)
    set(nome ${programa})
  endif()
  set_target_properties(${novo} PROPERTIES OUTPUT_NAME ${nome}
    RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/compartilhado)
endfunction()
