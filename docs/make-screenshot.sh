#!/usr/bin/env bash
# Takes docs/screenshot.png: a run of four marbles a side, part way through, under Xvfb.
# usage: bash docs/make-screenshot.sh [OUTPUT.png [SCALE [N]]]   (needs xvfb, xdotool and imagemagick)
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:-docs/screenshot.png}") scale=${2:-1} n=${3:-4}
program=$PWD/build/app/marble-exchange
[ -x "$program" ] || { echo "make-screenshot: build first: cmake --preset default && cmake --build --preset default" >&2; exit 1; }
for tool in xvfb-run xdotool import; do
    command -v "$tool" >/dev/null || { echo "make-screenshot: $tool is missing (apt-get install xvfb xdotool imagemagick)" >&2; exit 1; }
done

if [ -z "${MAKE_SCREENSHOT_INSIDE:-}" ]; then
    # A screen large enough for the window at three times its size.
    exec env MAKE_SCREENSHOT_INSIDE=1 xvfb-run -a -s "-screen 0 3840x2400x24" bash "$0" "$out" "$scale" "$n"
fi

work=$(mktemp -d)
pid=
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$work"' EXIT
cp assets/runtime/*.jpg "$work/"   # the program reads its run-time faces from its current directory
cd "$work"
QT_SCALE_FACTOR=$scale "$program" &
pid=$!

window() { timeout 20 xdotool search --sync --onlyvisible --name '^Vorla 5151$' | head -n 1; }
start=$(window)
xdotool windowfocus --sync "$start" type --delay 20 "$n"
xdotool key Return
timeout 20 bash -c "while xdotool search --onlyvisible --name '^Vorla 5151\$' | grep -qx '$start'; do :; done"
playground=$(window)

# The panel is centred in the window: play stands 600 twips into it (4875
# wide) and 2350 twips from the top, 15 twips to a pixel.
width=$(xdotool getwindowgeometry --shell "$playground" | sed -n 's/^WIDTH=//p')
x=$(awk -v w="$width" -v s="$scale" 'BEGIN { printf "%d", w / 2 + s * (600 - 4875 / 2) / 15 + s * 24 }')
y=$(awk -v s="$scale" 'BEGIN { printf "%d", s * (2350 / 15 + 20) }')
xdotool mousemove --window "$playground" --sync "$x" "$y" click 1

sleep "${MAKE_SCREENSHOT_AFTER:-4}"   # part way through the run
import -window "$playground" "$out"
echo "make-screenshot: wrote $out"
