#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMARBLE_BUILD_TESTS=OFF -DMARBLE_BUILD_BENCH=OFF
cmake --build build -j "$(nproc)"
# The program reads its run-time button faces from its current directory.
cd assets/runtime
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  echo "No display here: start the program under Xvfb with" >&2
  echo "  (cd assets/runtime && xvfb-run -a ../../build/app/marble-exchange)" >&2
  exit 1
fi
exec ../../build/app/marble-exchange
