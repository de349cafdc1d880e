# Installation and the Debian packages (CPack DEB, one per install component): orvane (component
# programa) holds the two programs under /usr/bin, the menu
# entry and its icon, the autostart entry of the session, the systemd user unit as its
# alternative, the manual pages and the guides; liborvane23 (bibliotecas) the shared libraries,
# which the packaged display is linked to; liborvane-dev (desenvolvimento) their headers, CMake
# package, pkg-config files and unversioned links (cmake/Biblioteca.cmake). The files the
# display's package installs live in packaging/.
# scripts/package.sh builds the package; scripts/verify-package.sh installs it in a clean
# Debian 12 and checks it.

include(GNUInstallDirs)

set(_ORVANE_PACOTE ${CMAKE_CURRENT_LIST_DIR}/../packaging)
set(_ORVANE_DOC ${CMAKE_INSTALL_DATADIR}/doc/orvane)

set(_ORVANE_GERADOS ${CMAKE_BINARY_DIR}/pacote)
configure_file(${_ORVANE_PACOTE}/changelog.in ${_ORVANE_GERADOS}/changelog @ONLY)

# Debian wants manual pages and the changelog compressed, without a time stamp in them.
function(_orvane_gzip origem nome)
  add_custom_command(OUTPUT ${_ORVANE_GERADOS}/${nome}
    COMMAND gzip -9n -c ${origem} > ${_ORVANE_GERADOS}/${nome}
    DEPENDS ${origem} VERBATIM)
endfunction()
_orvane_gzip(${_ORVANE_PACOTE}/man/orvane.1 orvane.1.gz)
_orvane_gzip(${_ORVANE_PACOTE}/man/pos-simulador.1 pos-simulador.1.gz)
_orvane_gzip(${_ORVANE_GERADOS}/changelog changelog.gz)
add_custom_target(orvane_pacote_arquivos ALL DEPENDS
  ${_ORVANE_GERADOS}/orvane.1.gz ${_ORVANE_GERADOS}/pos-simulador.1.gz ${_ORVANE_GERADOS}/changelog.gz)

install(TARGETS orvane-compartilhado pos-simulador RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The state registration validator library is loaded from the program's own folder.
install(TARGETS validador_ie LIBRARY DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${_ORVANE_GERADOS}/orvane.1.gz ${_ORVANE_GERADOS}/pos-simulador.1.gz
  DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${_ORVANE_PACOTE}/orvane.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${_ORVANE_PACOTE}/orvane.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
# Sessions read autostart entries from /etc/xdg whatever the installation prefix.
install(FILES ${_ORVANE_PACOTE}/orvane-autostart.desktop
  DESTINATION /etc/xdg/autostart RENAME orvane.desktop)
install(FILES ${_ORVANE_PACOTE}/orvane.service DESTINATION lib/systemd/user)
install(FILES ${_ORVANE_GERADOS}/changelog.gz ${_ORVANE_PACOTE}/copyright
  ${CMAKE_CURRENT_LIST_DIR}/../docs/protocolo.md ${CMAKE_CURRENT_LIST_DIR}/../docs/instalacao.md
  DESTINATION ${_ORVANE_DOC})
install(FILES ${CMAKE_CURRENT_LIST_DIR}/../docs/exemplos/venda.py DESTINATION ${_ORVANE_DOC}/exemplos)
# The library's packages carry the same copyright and changelog under their own names.
install(FILES ${_ORVANE_GERADOS}/changelog.gz ${_ORVANE_PACOTE}/copyright
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/liborvane${PROJECT_VERSION_MAJOR} COMPONENT bibliotecas)
install(FILES ${_ORVANE_GERADOS}/changelog.gz ${_ORVANE_PACOTE}/copyright
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/liborvane-dev COMPONENT desenvolvimento)

# The autostart entry lies in /etc: a configuration file that an upgrade must not overwrite when
# the administrator changed it.
file(WRITE ${_ORVANE_GERADOS}/conffiles "/etc/xdg/autostart/orvane.desktop\n")

set(_ORVANE_BIBLIOTECAS liborvane${PROJECT_VERSION_MAJOR})
set(_ORVANE_MESMA_VERSAO "(= ${PROJECT_VERSION})")
set(CPACK_GENERATOR DEB)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL programa bibliotecas desenvolvimento)
set(CPACK_PACKAGE_NAME orvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_CONTACT "Corvel Sistemas Comerciais <suporte@corvel.com.br>")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.corvel.com.br)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# dpkg-shlibdeps finds the display's own libraries in the build, in the runtime package.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${CMAKE_BINARY_DIR})
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

set(CPACK_DEBIAN_PROGRAMA_PACKAGE_NAME orvane)
set(CPACK_DEBIAN_PROGRAMA_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PROGRAMA_DESCRIPTION
  "customer display for Brazilian point-of-sale terminals
Orvane shows the customer, full screen on the monitor that faces them, the
items rung up with the sale total, the payment with the change due, short
messages and pictures. The cashier's POS program drives it over TCP (port
22334), one text line per command.
.
The package also holds pos-simulador, which sends command lines to the
display as a POS does, records what a POS sends and replays a recording.")
# Fonts the screens name through their metric-compatible free equivalents; libqrencode draws the
# PIX QR code (also found by SHLIBDEPS, named here so the package never goes without it).
set(CPACK_DEBIAN_PROGRAMA_PACKAGE_DEPENDS
  "${_ORVANE_BIBLIOTECAS} ${_ORVANE_MESMA_VERSAO}, fonts-liberation, fonts-dejavu-core, libqrencode4")
set(CPACK_DEBIAN_PROGRAMA_PACKAGE_CONTROL_EXTRA ${_ORVANE_GERADOS}/conffiles)

set(CPACK_DEBIAN_BIBLIOTECAS_PACKAGE_NAME ${_ORVANE_BIBLIOTECAS})
set(CPACK_DEBIAN_BIBLIOTECAS_PACKAGE_SECTION libs)
set(CPACK_DEBIAN_BIBLIOTECAS_DESCRIPTION
  "Orvane library for point-of-sale programs, shared libraries
The library POS programs are written with: settings files, numbers, amounts
and dates as text, dialogs and data-entry controls, files, zip archives, XML,
Brazilian document numbers and the log, one shared library per component.")
# Mapping network drives and printer ports (NetConnect) needs GVfs with its SMB back end and FUSE
# bridge, gio, and CUPS with the SMB back end that smbclient brings; nothing else uses them.
set(CPACK_DEBIAN_BIBLIOTECAS_PACKAGE_SUGGESTS
  "gvfs-backends, gvfs-fuse, libglib2.0-bin, cups-daemon, smbclient")
# The shlibs file (only the package with libraries gets one) and the ldconfig trigger.
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS_POLICY ">=")
file(WRITE ${_ORVANE_GERADOS}/triggers "activate-noawait ldconfig\n")
set(CPACK_DEBIAN_BIBLIOTECAS_PACKAGE_CONTROL_EXTRA ${_ORVANE_GERADOS}/triggers)

set(CPACK_DEBIAN_DESENVOLVIMENTO_PACKAGE_NAME liborvane-dev)
set(CPACK_DEBIAN_DESENVOLVIMENTO_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_DESENVOLVIMENTO_DESCRIPTION
  "Orvane library for point-of-sale programs, development files
Headers, CMake package (find_package(Orvane COMPONENTS ...), targets
Orvane::Base, Orvane::Texto, ...) and pkg-config files (orvane-texto, ...) of
the Orvane library.")
set(CPACK_DEBIAN_DESENVOLVIMENTO_PACKAGE_DEPENDS
  "${_ORVANE_BIBLIOTECAS} ${_ORVANE_MESMA_VERSAO}, qt6-base-dev")
set(CPACK_DEBIAN_DESENVOLVIMENTO_PACKAGE_SHLIBDEPS OFF)
include(CPack)
