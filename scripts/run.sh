#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset default
cmake --build --preset default -j "$(nproc)" --target marble-exchange
# The program reads its run-time button faces from its current directory.
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}${QT_QPA_PLATFORM:-}" ]; then
  echo "run: no display here; start the program under Xvfb with: xvfb-run -a bash scripts/run.sh" >&2
  exit 1
fi
cd assets/runtime
exec ../../build/app/marble-exchange "$@"
