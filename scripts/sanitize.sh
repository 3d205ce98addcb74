#!/usr/bin/env bash
# Builds the test binaries with AddressSanitizer and UndefinedBehaviorSanitizer
# into build-asan/ (every fault stops the test at once) and runs them with
# ctest, windows on the offscreen platform.
set -euo pipefail
cd "$(dirname "$0")/.."
launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
flags="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLWK_BUILD_BENCHMARKS=OFF \
  -DCMAKE_C_FLAGS="$flags" -DCMAKE_CXX_FLAGS="$flags" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
  -DCMAKE_SHARED_LINKER_FLAGS="-fsanitize=address,undefined" "${launcher[@]}" >/dev/null
cmake --build build-asan -j"$(nproc)"
cd build-asan
# Qt's own caches live until exit; a leak report is not a fault of a test.
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=0}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1}"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
