#!/usr/bin/env bash
# Builds the fuzz targets (clang with libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) into build-fuzz/, makes their seeds from the
# game's own files and writers, and runs every target for SECONDS seconds
# (default 20) on a copy of its seeds. Stops at the first finding with a
# non-zero exit, leaving the input that shows it in
# build-fuzz/findings/<target>/. Every run starts from the same random seed
# (FUZZ_SEED, default 1), so a short run walks the start of a long one's
# inputs; set FUZZ_SEED to explore elsewhere. Installs nothing:
# scripts/install-deps.sh brings clang and its sanitizer runtimes.
set -euo pipefail
seconds="${1:-20}"
case "$seconds" in '' | *[!0-9]*) echo "usage: $0 [SECONDS]" >&2; exit 2 ;; esac
seed="${FUZZ_SEED:-1}"
case "$seed" in '' | *[!0-9]*) echo "FUZZ_SEED must be a number" >&2; exit 2 ;; esac
cd "$(dirname "$0")/.."
if ! command -v clang >/dev/null || ! command -v clang++ >/dev/null; then
  echo "clang is missing: run scripts/install-deps.sh" >&2
  exit 2
fi
launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLWK_FUZZ=ON \
  -DLWK_BUILD_TESTS=OFF -DLWK_BUILD_BENCHMARKS=OFF "${launcher[@]}" >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target fuzz_targets fuzz_corpus >/dev/null

export QT_QPA_PLATFORM=offscreen
rm -rf build-fuzz/work build-fuzz/findings build-fuzz/logs
mkdir -p build-fuzz/work build-fuzz/findings build-fuzz/logs
status=0
while read -r target; do
  [ -n "$target" ] || continue
  work="build-fuzz/work/$target"
  findings="build-fuzz/findings/$target"
  log="build-fuzz/logs/$target.log"
  mkdir -p "$work" "$findings"
  if [ -d "build-fuzz/corpus/$target" ]; then cp -r "build-fuzz/corpus/$target/." "$work/"; fi
  if ! "build-fuzz/fuzz/$target" -max_total_time="$seconds" -seed="$seed" -timeout=10 -print_final_stats=1 \
      -artifact_prefix="$findings/" "$work" >"$log" 2>&1; then
    echo "FINDING in $target (input in $findings/, log $log):" >&2
    grep -m1 -E "ERROR: |runtime error|deadly signal|timeout|out-of-memory" "$log" >&2 || tail -n 20 "$log" >&2
    status=1
    break
  fi
  execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n1)
  cov=$(grep -oE 'cov: [0-9]+ ft: [0-9]+' "$log" | tail -n1)
  printf '%-18s execs %-9s %s\n' "$target" "${execs:-?}" "${cov:-cov: ?}"
  rmdir "$findings" 2>/dev/null || true
done <build-fuzz/fuzz-targets.txt
exit $status
