# Installs the library's runtime and development files from the build CONSTRUCAO into a prefix
# under TEMPORARIA, then builds the program of CONSUMIDOR against it twice, with find_package and
# with pkg-config, and runs both; find_package must refuse another major version.
set(prefixo ${TEMPORARIA}/prefixo)
file(REMOVE_RECURSE ${TEMPORARIA})
foreach(componente bibliotecas desenvolvimento)
  execute_process(COMMAND ${CMAKE_COMMAND} --install ${CONSTRUCAO} --prefix ${prefixo}
    --component ${componente} OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
endforeach()
file(GLOB_RECURSE pc ${prefixo}/*/orvane-sistema.pc)
get_filename_component(pastaPc "${pc}" DIRECTORY)
get_filename_component(pastaBibliotecas "${pastaPc}" DIRECTORY)
set(flags "")
if(SANITIZE)
  set(flags -fsanitize=address,undefined)
endif()
set(esperado "529.982.247-25 1 1234560000")

function(rodar programa)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env LD_LIBRARY_PATH=${pastaBibliotecas} ${programa}
    OUTPUT_VARIABLE saida OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  if(NOT saida STREQUAL esperado)
    message(FATAL_ERROR "${programa}: \"${saida}\", expected \"${esperado}\"")
  endif()
endfunction()

# find_package(Orvane 23 COMPONENTS Texto SistemaDocumentos)
function(configurar pasta versao resultado)
  execute_process(COMMAND ${CMAKE_COMMAND} -S ${CONSUMIDOR} -B ${pasta} -G ${GERADOR}
    -DCMAKE_CXX_COMPILER=${COMPILADOR} -DCMAKE_PREFIX_PATH=${prefixo} "-DCMAKE_CXX_FLAGS=${flags}"
    -DVERSAO_PEDIDA=${versao} RESULT_VARIABLE rc OUTPUT_VARIABLE saida ERROR_VARIABLE saida)
  set(${resultado} ${rc} PARENT_SCOPE)
  set(${resultado}_SAIDA "${saida}" PARENT_SCOPE)
endfunction()
configurar(${TEMPORARIA}/cmake 23 rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "find_package(Orvane 23):\n${rc_SAIDA}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} --build ${TEMPORARIA}/cmake COMMAND_ERROR_IS_FATAL ANY)
rodar(${TEMPORARIA}/cmake/consumidor)
configurar(${TEMPORARIA}/outra 24 rc)
if(rc EQUAL 0 OR NOT rc_SAIDA MATCHES "compatible[ \n]+with requested version \"24\"")
  message(FATAL_ERROR "find_package(Orvane 24) accepted version 23:\n${rc_SAIDA}")
endif()

# pkg-config --cflags --libs orvane-texto orvane-sistemadocumentos
execute_process(COMMAND ${CMAKE_COMMAND} -E env PKG_CONFIG_PATH=${pastaPc}
  pkg-config --cflags --libs orvane-texto orvane-sistemadocumentos
  OUTPUT_VARIABLE opcoes OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
separate_arguments(opcoes UNIX_COMMAND "${opcoes}")
execute_process(COMMAND ${COMPILADOR} -std=c++20 -fPIC ${flags} ${CONSUMIDOR}/main.cpp ${opcoes}
  -o ${TEMPORARIA}/consumidor-pc COMMAND_ERROR_IS_FATAL ANY)
rodar(${TEMPORARIA}/consumidor-pc)
message(STATUS "find_package and pkg-config consumers built and ran")
