#!/usr/bin/env bash
# Installs a build into a temporary prefix and checks what a desktop needs of it:
#   check_install.sh BUILD_DIR
# the exact list of files, executable programs, icons of the size their folder names, a valid
# desktop entry and AppStream metadata that agree on the application id, and the installed
# program showing a window with that icon under Xvfb.
set -euo pipefail

if [ $# -ne 1 ] || [ ! -d "$1" ]; then
    echo "usage: $0 BUILD_DIR" >&2
    exit 2
fi
build="$1"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
app_id=io.github.kinvora.Kinvora

work="$(mktemp -d "${TMPDIR:-/tmp}/kinvora-install.XXXXXX")"
trap 'rm -rf "$work"' EXIT
prefix="$work/prefix"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

for tool in cmake desktop-file-validate appstreamcli xvfb-run xdotool xprop; do
    command -v "$tool" >/dev/null || fail "$tool is not installed"
done

cmake --install "$build" --prefix "$prefix" >"$work/install.log" || {
    cat "$work/install.log" >&2
    fail "cmake --install failed"
}

# Exactly the expected files: a stray library or header would ship in the package too.
found="$(cd "$prefix" && find . -type f -printf '%P\n' | LC_ALL=C sort)"
expected="$(LC_ALL=C sort "$here/installed_files.txt")"
diff <(echo "$expected") <(echo "$found") >&2 || fail "the installed files differ (< expected, > found)"

for program in kinvora kinvora-fr kinvora-export; do
    [ -x "$prefix/bin/$program" ] || fail "bin/$program is not executable"
done
usage="$("$prefix/bin/kinvora-export" --help)" || fail "the installed kinvora-export --help failed"
[[ "$usage" == "usage: kinvora-export "* ]] || fail "the installed kinvora-export printed: $usage"

# png_size FILE: WxH from the PNG header, or nothing when the file is no PNG.
png_size() {
    [ "$(od -An -tx1 -N8 "$1" | tr -d ' \n')" = 89504e470d0a1a0a ] || return 0
    od -An -tu1 -j16 -N8 "$1" |
        awk '{ print $1 * 16777216 + $2 * 65536 + $3 * 256 + $4 "x" $5 * 16777216 + $6 * 65536 + $7 * 256 + $8 }'
}
icons="$prefix/share/icons/hicolor"
for folder in "$icons"/*x*; do
    size="$(basename "$folder")"
    [ "$(png_size "$folder/apps/$app_id.png")" = "$size" ] ||
        fail "$size/apps/$app_id.png is not a $size PNG (it is '$(png_size "$folder/apps/$app_id.png")')"
done
grep -q '<svg' "$icons/scalable/apps/$app_id.svg" || fail "the scalable icon is no SVG"

desktop="$prefix/share/applications/$app_id.desktop"
desktop-file-validate "$desktop" >"$work/desktop.log" 2>&1 || true
if grep -E '(error|warning):' "$work/desktop.log" >&2; then
    fail "desktop-file-validate reports problems"
fi
for line in "Exec=kinvora" "Icon=$app_id" "Type=Application"; do
    grep -qx "$line" "$desktop" || fail "the desktop entry lacks $line"
done
for key in 'Name\[fr\]' 'Comment\[fr\]'; do
    grep -q "^$key=." "$desktop" || fail "the desktop entry lacks a French ${key//\\/}"
done

metainfo="$prefix/share/metainfo/$app_id.metainfo.xml"
status=0
# The metadata and, through it, the desktop entry and icons it names; --no-net leaves the
# screenshot's address unchecked, so any error or warning is a real one.
appstreamcli validate-tree --no-net "$prefix" >"$work/metainfo.log" 2>&1 || status=$?
if [ $status -ne 0 ] || grep -E '^[EW]:' "$work/metainfo.log" >&2; then
    cat "$work/metainfo.log" >&2
    fail "appstreamcli validate-tree reports problems"
fi
grep -qF "$app_id.metainfo.xml" "$work/metainfo.log" || fail "appstreamcli found no metainfo"
grep -q "<id>$app_id</id>" "$metainfo" || fail "the metainfo id is not $app_id"
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
    fail "the metainfo does not launch $app_id.desktop"

# The programs give Qt the same desktop file name (a UTF-16 literal), so desktops match their
# windows to the entry.
utf16_id="$(sed 's/[.]/\\./g; s/[^\\]/&\\x00/g' <<<"$app_id")"
for program in kinvora kinvora-fr; do
    LC_ALL=C grep -qaP "$utf16_id" "$prefix/bin/$program" || fail "bin/$program does not name $app_id"
done

# The installed program, started as the menu would start it, shows a window with its icon.
mkdir "$work/home"
export WORK="$work" PROGRAM="$prefix/bin/kinvora"
xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" bash -c '
    set -euo pipefail
    cd "$WORK/home"
    QT_QPA_PLATFORM=xcb "$PROGRAM" >"$WORK/app.log" 2>&1 &
    pid=$!
    trap "kill $pid 2>/dev/null || true; wait $pid 2>/dev/null || true" EXIT
    id="$(timeout 40 xdotool search --sync --onlyvisible --name "^Kinvora" | head -n 1)" || true
    [ -n "$id" ] || { cat "$WORK/app.log" >&2; echo "no Kinvora window" >&2; exit 1; }
    # -len: xprop cuts long properties short by default.
    xprop -len 4000000 -id "$id" _NET_WM_ICON | grep -o "Icon ([0-9]* x [0-9]*)" >"$WORK/icons.txt" || true
    xprop -id "$id" WM_CLASS >"$WORK/class.txt"
' || fail "the installed kinvora did not show a window"
for size in 16 24 32 48 64 128 256; do
    grep -qx "Icon ($size x $size)" "$work/icons.txt" ||
        fail "the window icon has no ${size}x$size image (it has: $(tr '\n' ' ' <"$work/icons.txt"))"
done
# On X11 desktops match the window to the entry by its class.
class="$(sed -n 's/^StartupWMClass=//p' "$desktop")"
grep -qF "= \"$class\", \"$class\"" "$work/class.txt" ||
    fail "the window's class is not the entry's StartupWMClass $class: $(cat "$work/class.txt")"
echo "PASS: $(wc -l <"$here/installed_files.txt") files installed and checked"
