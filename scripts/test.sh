#!/usr/bin/env bash
# Installs what is missing, builds with address and undefined-behaviour sanitizers, runs a short
# session of every fuzz target, then every test with CTest (whose summary closes the output).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DORVANE_SANITIZE=ON -DORVANE_TESTS=ON
cmake --build build-test

# The fuzz targets need clang: its absence fails here, not silently.
if ! command -v clang++ >/dev/null; then
  echo "test.sh: clang++ is missing, the fuzz targets cannot be built" >&2
  exit 1
fi
bash scripts/fuzz.sh 20

cd build-test
ctest --output-on-failure --timeout 600 -j2
