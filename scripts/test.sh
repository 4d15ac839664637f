#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: once plain, once under ASan and UBSan.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
jobs=$(nproc)

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMARBLE_BUILD_TESTS=ON -DMARBLE_BUILD_BENCH=ON
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DMARBLE_SANITIZE=ON \
  -DMARBLE_BUILD_TESTS=ON -DMARBLE_BUILD_BENCH=OFF -DMARBLE_BUILD_GUI=OFF
cmake --build build-sanitize -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-sanitize --output-on-failure -j "$jobs"
