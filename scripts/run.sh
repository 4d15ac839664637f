#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program.
set -euo pipefail
called_as=$(printf '%q' "$0")  # as the user typed it, for a hint that works where they stand
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset default
cmake --build --preset default -j "$(nproc)" --target marble-exchange
# The program reads its run-time button faces from its current directory.
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}${QT_QPA_PLATFORM:-}" ]; then
  echo "run: no display here; start the program under Xvfb with: xvfb-run -a bash $called_as" >&2
  exit 1
fi
cd assets/runtime
exec ../../build/app/marble-exchange "$@"
