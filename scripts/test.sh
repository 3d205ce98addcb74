#!/usr/bin/env bash
# Builds everything and runs every test (windows on the offscreen platform).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh
cmake --build build --target package -j"$(nproc)"
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
