#!/usr/bin/env bash
# End to end under Xvfb: type 1, press Enter, click play, and see the success message appear.
set -euo pipefail
program=$1
export QT_QPA_PLATFORM=xcb  # the real window system, whatever the caller set
work=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$work"' EXIT
cp "$(dirname "$0")/../../assets/runtime/"*.jpg "$work/"
cd "$work"
"$program" &
pid=$!

start=$(timeout 20 xdotool search --sync --onlyvisible --name '^Vorla 5151$' | head -n 1)
xdotool windowfocus --sync "$start"
xdotool type --delay 20 1
xdotool key Return

# The playground replaces the start dialog; play sits 600 twips into the backdrop panel.
timeout 20 bash -c "while xdotool search --onlyvisible --name '^Vorla 5151\$' | grep -qx '$start'; do :; done"
playground=$(timeout 20 xdotool search --sync --onlyvisible --name '^Vorla 5151$' | head -n 1)
# For N = 1 the window is 5550 twips wide: the panel starts at 337.5, play at 937.5, top 2350.
xdotool mousemove --window "$playground" --sync 86 177 click 1

box=$(timeout 30 xdotool search --sync --onlyvisible --name '^marble-exchange$' | head -n 1)
echo "smoke: the message box appeared (window $box)"
xdotool windowfocus --sync "$box" key Return
kill "$pid"
echo "1 passed, 0 failed"
