#!/usr/bin/env bash
# Builds the Debian package of the display (Release, without tests, in build-pacote/) and prints
# the path of the .deb on the standard output; the build's messages go to the standard error.
set -euo pipefail
cd "$(dirname "$0")/.."

{
  bash scripts/install-deps.sh
  # dpkg-shlibdeps works out the package's dependencies on shared libraries.
  command -v dpkg-shlibdeps >/dev/null ||
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends dpkg-dev

  build=build-pacote
  lancador=()
  command -v ccache >/dev/null && lancador=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DORVANE_TESTS=OFF \
    -DORVANE_SANITIZE=OFF "${lancador[@]}"
  cmake --build "$build" --target orvane pos-simulador orvane_pacote_arquivos
  (cd "$build" && cpack -G DEB) | tee "$build/cpack.log"
} >&2

sed -n 's/^CPack: - package: \(.*\.deb\) generated\.$/\1/p' build-pacote/cpack.log
