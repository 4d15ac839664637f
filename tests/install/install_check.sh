#!/usr/bin/env bash
# Installs the build into a staging folder and checks what lands there as a distribution would.
# usage: install_check.sh BUILD_DIR APP_ID PREFIX BINDIR DATADIR MANDIR DOCDIR
set -uo pipefail
build=$1 app_id=$2 prefix=$3
under_prefix() { case $1 in /*) echo "$1" ;; *) echo "$prefix/$1" ;; esac; }
bindir=$(under_prefix "$4") datadir=$(under_prefix "$5") mandir=$(under_prefix "$6") docdir=$(under_prefix "$7")

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
passed=0 failed=0
pass() { passed=$((passed + 1)); }
fail() { failed=$((failed + 1)); echo "FAIL: $*"; }
check() {  # check WHAT COMMAND...: the command succeeds
    local what=$1; shift
    if "$@"; then pass; else fail "$what"; fi
}
equal() {  # equal WHAT GOT EXPECTED
    if [ "$2" = "$3" ]; then pass; else fail "$1: '$2', expected '$3'"; fi
}
quiet() {  # quiet WHAT COMMAND...: the command succeeds and complains of nothing on stdout or stderr
    local what=$1 out; shift
    if out=$("$@" 2>&1) && [ -z "$out" ]; then pass; else fail "$what"; printf '%s\n' "$out"; fi
}
no_complaint() {  # no_complaint WHAT COMMAND...: the command succeeds and prints nothing on stderr
    local what=$1 out; shift
    if out=$("$@" 2>&1 >/dev/null) && [ -z "$out" ]; then pass; else fail "$what"; printf '%s\n' "$out"; fi
}
png_size() {  # the width x height in a PNG's header
    local b; read -ra b <<<"$(od -An -tu1 -j16 -N8 "$1")"
    echo "$(((b[0] << 24) | (b[1] << 16) | (b[2] << 8) | b[3]))x$(((b[4] << 24) | (b[5] << 16) | (b[6] << 8) | b[7]))"
}
key() { sed -n "s/^$1=//p" "$2" | head -n 1; }

if ! DESTDIR=$stage cmake --install "$build" >"$stage.log" 2>&1; then
    cat "$stage.log"; rm -f "$stage.log"
    echo "0 passed, 1 failed"; exit 1
fi
rm -f "$stage.log"
root=$stage

for program in marble-exchange marble-trace; do
    check "$program is installed and runs" test -x "$root$bindir/$program"
done

# The desktop entry: valid, and it starts the program where its pictures are.
entry=$root$datadir/applications/$app_id.desktop
check "the desktop entry is named by the application id" test -f "$entry"
quiet "desktop-file-validate finds nothing" desktop-file-validate "$entry"
equal "Exec" "$(key Exec "$entry")" "marble-exchange"
equal "Icon" "$(key Icon "$entry")" "$app_id"
equal "Path" "$(key Path "$entry")" "$datadir/marble-exchange"
for face in buttonclick pause pauseclick resume resumeclick; do
    check "$face.jpg in Path" test -f "$root$(key Path "$entry")/$face.jpg"
done

# The metainfo, for the software centres.
metainfo=$root$datadir/metainfo/$app_id.metainfo.xml
check "the metainfo is named by the application id" test -f "$metainfo"
check "appstreamcli validate --no-net passes" appstreamcli validate --no-net --no-color "$metainfo"
equal "the metainfo's id" "$(sed -n 's|.*<id>\(.*\)</id>.*|\1|p' "$metainfo")" "$app_id"
equal "the metainfo's launchable" "$(sed -n 's|.*<launchable type="desktop-id">\(.*\)</launchable>.*|\1|p' "$metainfo")" \
    "$app_id.desktop"
equal "the metainfo's licence" "$(sed -n 's|.*<project_license>\(.*\)</project_license>.*|\1|p' "$metainfo")" "MIT"

# The icons of the hicolor theme, each as large as its folder says.
for size in 16 22 24 32 48 64 128 256; do
    icon=$root$datadir/icons/hicolor/${size}x$size/apps/$app_id.png
    if [ -f "$icon" ]; then equal "the ${size}x$size icon's size" "$(png_size "$icon")" "${size}x$size"
    else fail "no ${size}x$size icon"; fi
done
svg=$root$datadir/icons/hicolor/scalable/apps/$app_id.svg
check "the scalable icon is an SVG" grep -q '<svg' "$svg"

# The manual pages: compressed, and clean for man.
for page in marble-exchange marble-trace; do
    file=$root$mandir/man1/$page.1.gz
    check "the manual page of $page is compressed whole" gzip -t "$file"
    check "the manual page of $page names it" sh -c "gzip -dc '$file' | grep -q '^$page '"
    if command -v man >/dev/null; then
        no_complaint "man finds nothing wrong in $page.1" \
            env LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$file"
    fi
done

# The licence, as the Debian copyright file, with the whole text of LICENSE.
copyright=$root$docdir/copyright
check "the copyright file is installed" test -f "$copyright"
check "the copyright file is in Debian's format" grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' "$copyright"
check "the copyright file names the licence" grep -qx 'License: Expat' "$copyright"
licence_text=$(sed -e '1,/^Copyright/d' "$(dirname "$0")/../../LICENSE" | sed -e '/^$/d')
copyright_text=$(sed -e '1,/^License: Expat/d' -e 's/^ //' -e '/^\.$/d' "$copyright")
equal "the copyright file holds LICENSE" "$copyright_text" "$licence_text"
check "the changelog is compressed whole" gzip -t "$root$docdir/changelog.gz"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
