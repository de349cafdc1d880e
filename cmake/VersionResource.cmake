# orvane_embed_version(TARGET [DESCRIPTION text])
#
# Gives an executable the version block a Windows program carries in its version resource,
# built from the project version (PROJECT_VERSION): fixed file information with the four
# version numbers, the string table 041604e4 (Brazilian Portuguese, Windows-1252) with
# CompanyName, FileDescription (DESCRIPTION, default the target's name), FileVersion,
# InternalName, OriginalFilename, ProductName and ProductVersion, and the translation
# 0x0416, 0x04e4. The block goes into the section ".rsrc_version" of the program file through a
# generated source compiled into the target, so no step after linking is needed and the section
# survives stripping. Texts must be printable ASCII without quotes or backslashes.

set(_ORVANE_VERSAO_MODELO ${CMAKE_CURRENT_LIST_DIR}/VersionResource.cpp.in)

function(orvane_embed_version target)
  cmake_parse_arguments(ARG "" "DESCRIPTION" "" ${ARGN})
  if(NOT ARG_DESCRIPTION)
    set(ARG_DESCRIPTION ${target})
  endif()

  foreach(parte MAJOR MINOR PATCH TWEAK)
    set(${parte} 0)
    if(NOT "${PROJECT_VERSION_${parte}}" STREQUAL "")
      set(${parte} ${PROJECT_VERSION_${parte}})
    endif()
  endforeach()
  set(ORVANE_VERSAO_MS "(${MAJOR} << 16) | ${MINOR}")
  set(ORVANE_VERSAO_LS "(${PATCH} << 16) | ${TWEAK}")
  set(ORVANE_VERSAO_ALVO ${target})

  set(textos
    CompanyName "${PROJECT_NAME}"
    FileDescription "${ARG_DESCRIPTION}"
    FileVersion "${PROJECT_VERSION}"
    InternalName "${target}"
    OriginalFilename "${target}"
    ProductName "${PROJECT_NAME}"
    ProductVersion "${PROJECT_VERSION}")
  set(ORVANE_VERSAO_TEXTOS "")
  set(indice 0)
  while(textos)
    list(POP_FRONT textos chave valor)
    if(NOT valor MATCHES "^[ -~]*$" OR valor MATCHES "[\"\\\\]")
      message(FATAL_ERROR "orvane_embed_version: ${chave} \"${valor}\" is not plain ASCII")
    endif()
    string(APPEND ORVANE_VERSAO_TEXTOS
      "    .balign 4\n"
      ".Ltexto${indice}:\n"
      "    .short .Ltexto${indice}_fim - .Ltexto${indice}, "
      "(.Lvalor${indice}_fim - .Lvalor${indice}) / 2, 1\n"
      "    .string16 \"${chave}\"\n"
      "    .balign 4\n"
      ".Lvalor${indice}:\n"
      "    .string16 \"${valor}\"\n"
      ".Lvalor${indice}_fim:\n"
      ".Ltexto${indice}_fim:\n")
    math(EXPR indice "${indice} + 1")
  endwhile()

  set(gerado ${CMAKE_CURRENT_BINARY_DIR}/${target}_versao.cpp)
  configure_file(${_ORVANE_VERSAO_MODELO} ${gerado} @ONLY)
  target_sources(${target} PRIVATE ${gerado})
endfunction()
