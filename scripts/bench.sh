#!/usr/bin/env bash
# Builds the benchmarks in Release (build-bench) and runs them, each measure beside its baseline,
# with repetitions; writes the JSON of every program and the table of median ratios to
# build-bench/results/. REPETITIONS (default 5) sets the repetitions.
set -euo pipefail
cd "$(dirname "$0")/.."

repetitions="${REPETITIONS:-5}"
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DORVANE_BENCH=ON -DORVANE_TESTS=OFF
cmake --build build-bench --target bench

results=build-bench/results
mkdir -p "$results"
export QT_QPA_PLATFORM=offscreen
for program in $(find build-bench/bench -maxdepth 1 -type f -executable -name 'bench_*' -printf '%f\n' | sort); do
  reps="$repetitions"
  [ "$program" = bench_ocioso ] && reps=3  # each repetition runs the program for 12 s
  interleave=false
  [ "$program" = bench_inicio ] || [ "$program" = bench_partida ] && interleave=true  # programs started alike: same load
  echo "== $program"
  "build-bench/bench/$program" --benchmark_repetitions="$reps" \
    --benchmark_enable_random_interleaving="$interleave" \
    --benchmark_report_aggregates_only=true \
    --benchmark_out="$results/$program.json" --benchmark_out_format=json
done
python3 bench/ratios.py "$results"/*.json | tee "$results/ratios.md"
