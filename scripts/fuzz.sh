#!/usr/bin/env bash
# Builds the libFuzzer targets (fuzz/, with clang, address and undefined-behaviour sanitizers) in
# build-fuzz and runs each for the given number of seconds (default 600), at low priority.
#   scripts/fuzz.sh [seconds] [target ...]      targets: the names under fuzz/corpus/
# The seed corpus in fuzz/corpus/<target> is read, never written; what a run learns is kept in
# build-fuzz/corpus/<target> for the next run. A finding stops the run with a non-zero status and
# leaves the input in build-fuzz/artifacts/<target>/; a finding, once mended, goes into the seed
# corpus, so that every run starts by running every past finding again.
# ORVANE_FUZZ_SEED fixes the fuzzer's random seed (default: a new one, printed), so that a run can
# be repeated exactly.
set -euo pipefail
cd "$(dirname "$0")/.."

segundos=${1:-600}
shift || true
alvos=("$@")
semente=${ORVANE_FUZZ_SEED:-$(( (RANDOM << 15 | RANDOM) + 1 ))}
if [ ${#alvos[@]} -eq 0 ]; then
  for pasta in fuzz/corpus/*/; do alvos+=("$(basename "$pasta")"); done
fi

if ! command -v clang++ >/dev/null; then
  echo "fuzz.sh: clang++ is missing (scripts/install-deps.sh installs it)" >&2
  exit 1
fi
cmake -S fuzz -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ >/dev/null
nice -n 10 cmake --build build-fuzz --target "${alvos[@]/#/fuzz_}"

for alvo in "${alvos[@]}"; do
  mkdir -p "build-fuzz/corpus/$alvo" "build-fuzz/artifacts/$alvo"
  opcoes=(-max_total_time="$segundos" -timeout=30 -print_final_stats=1 -seed="$semente"
          -artifact_prefix="build-fuzz/artifacts/$alvo/")
  ambiente=()
  case "$alvo" in
    leitor_linhas) opcoes+=(-max_len=40000) ;;  # lines up to and past the 16384-byte limit
    comandos)  # the window lives on; separators and markup in the dictionary; the platform's
      # libraries' own leaks suppressed by name, every other leak a finding
      ambiente=(LSAN_OPTIONS=suppressions=fuzz/comandos.supp QT_QPA_PLATFORM=offscreen)
      opcoes+=(-dict=fuzz/comandos.dict) ;;
  esac
  echo "== fuzz_$alvo: ${segundos} s, seed $semente"
  registro="build-fuzz/fuzz_$alvo.log"
  status=0
  env "${ambiente[@]}" nice -n 10 "build-fuzz/fuzz_$alvo" "${opcoes[@]}" \
    "build-fuzz/corpus/$alvo" "fuzz/corpus/$alvo" >"$registro" 2>&1 || status=$?
  grep -E '^(Done|stat::number_of_executed_units|stat::peak_rss_mb)|ERROR|SUMMARY|Test unit' \
    "$registro" || true
  if [ "$status" -ne 0 ] || [ -n "$(ls -A "build-fuzz/artifacts/$alvo")" ]; then
    echo "fuzz_$alvo: finding, see build-fuzz/artifacts/$alvo" >&2
    exit 1
  fi
done
