#!/usr/bin/env bash
# Builds the Debian packages (Release, without tests, in build-pacote/): the display (orvane), the
# library's shared libraries (liborvane23) and its development files (liborvane-dev). Prints the
# paths of the .deb files on the standard output, one a line; the build's messages go to the
# standard error.
set -euo pipefail
cd "$(dirname "$0")/.."

{
  bash scripts/install-deps.sh
  # CPack finds the programs with file(1) and hands them to dpkg-shlibdeps, which works out the
  # package's dependencies on shared libraries. A bare Debian has neither.
  ferramentas=()
  command -v dpkg-shlibdeps >/dev/null || ferramentas+=(dpkg-dev)
  command -v file >/dev/null || ferramentas+=(file)
  if [ ${#ferramentas[@]} -gt 0 ]; then
    apt-get update -q
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${ferramentas[@]}"
  fi

  build=build-pacote
  lancador=()
  command -v ccache >/dev/null && lancador=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DORVANE_TESTS=OFF \
    -DORVANE_SANITIZE=OFF -DCMAKE_INSTALL_PREFIX=/usr "${lancador[@]}"
  cmake --build "$build"
  (cd "$build" && cpack -G DEB) | tee "$build/cpack.log"
} >&2

sed -n 's/^CPack: - package: \(.*\.deb\) generated\.$/\1/p' build-pacote/cpack.log
