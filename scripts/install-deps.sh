#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing need; quiet when all are there.
set -euo pipefail

packages=(
  g++ cmake make pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libxkbcommon-dev  # looked for by Qt's CMake files; without it every configure says "Could NOT find XKB"
  fonts-liberation
  xvfb xauth xdotool
  desktop-file-utils appstream man-db
  qt6-svg-dev  # the search tree saved as SVG
  graphviz  # the tests draw marble-trace's search tree with dot
  python3-pyatspi at-spi2-core dbus-daemon dbus-session-bus-common
  dpkg-dev file
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "install-deps: run as root or install sudo" >&2; exit 1; }
  as_root=(sudo)
fi
echo "install-deps: installing ${missing[*]}"
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
