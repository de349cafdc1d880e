#!/usr/bin/env bash
# Compares the interface of the library's shared libraries in two builds, so that an incompatible
# change is seen before a release:
#
#   bash scripts/compara-abi.sh BUILD_ANTERIOR BUILD_NOVO [RELATORIOS]
#
# For each libOrvane*.so of the earlier build: the library must still exist with the same SONAME,
# and every symbol it exported must still be exported (nm -D); symbols removed are an
# incompatible change, symbols added are listed. When both builds carry debug information
# (CMAKE_BUILD_TYPE Debug or RelWithDebInfo), abi-dumper and abi-compliance-checker also compare
# the types (class layouts, virtual tables, parameters), with an HTML report per library in
# RELATORIOS (default: compara-abi/ in the current folder). Exits 1 on an incompatible change.
set -euo pipefail
[ $# -ge 2 ] || { sed -n '2,12p' "$0" >&2; exit 2; }
anterior=$(realpath "$1")
novo=$(realpath "$2")
relatorios=$(realpath -m "${3:-compara-abi}")
mkdir -p "$relatorios"

soname() { readelf -d "$1" | sed -n 's/.*(SONAME).*\[\(.*\)\]/\1/p'; }
simbolos() { nm -D --defined-only "$1" | awk '{print $3}' | sort -u; }
com_depuracao() { readelf -S "$1" | grep -q '\.debug_info'; }

incompativel=0
shopt -s nullglob
bibliotecas=("$anterior"/libOrvane*.so)
[ ${#bibliotecas[@]} -gt 0 ] || { echo "no libOrvane*.so in $anterior" >&2; exit 2; }
for velha in "${bibliotecas[@]}"; do
  nome=$(basename "$velha" .so)
  nova=$novo/$nome.so
  echo "== $nome"
  if [ ! -e "$nova" ]; then
    echo "INCOMPATIBLE: $nome is gone"; incompativel=1; continue
  fi
  if [ "$(soname "$velha")" != "$(soname "$nova")" ]; then
    echo "SONAME $(soname "$velha") -> $(soname "$nova") (a new major version)"
  fi
  removidos=$(comm -23 <(simbolos "$velha") <(simbolos "$nova") | c++filt)
  adicionados=$(comm -13 <(simbolos "$velha") <(simbolos "$nova") | c++filt)
  if [ -n "$removidos" ]; then
    echo "INCOMPATIBLE: symbols no longer exported:"; echo "$removidos" | sed 's/^/  - /'
    incompativel=1
  fi
  [ -z "$adicionados" ] || { echo "added:"; echo "$adicionados" | sed 's/^/  + /'; }

  if com_depuracao "$velha" && com_depuracao "$nova"; then
    for lado in anterior novo; do
      arquivo=$velha; [ $lado = novo ] && arquivo=$nova
      abi-dumper "$arquivo" -o "$relatorios/$nome-$lado.dump" -lver $lado -public-headers \
        "$(dirname "$(realpath "$0")")/../src" >/dev/null
    done
    if ! abi-compliance-checker -l "$nome" -old "$relatorios/$nome-anterior.dump" \
      -new "$relatorios/$nome-novo.dump" -report-path "$relatorios/$nome.html" >/dev/null; then
      echo "INCOMPATIBLE: abi-compliance-checker, see $relatorios/$nome.html"
      incompativel=1
    fi
  else
    echo "(no debug information in both builds: types not compared)"
  fi
done
[ $incompativel -eq 0 ] && echo "OK: compatible" || echo "FAILED: incompatible changes above"
exit $incompativel
