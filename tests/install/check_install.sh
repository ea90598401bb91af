#!/usr/bin/env bash
# Installs a build into a temporary prefix and checks what a desktop needs of it:
#   check_install.sh BUILD_DIR
# the exact list of files, executable programs, icons of the size their folder names, a valid
# desktop entry and AppStream metadata that agree on the application id, file types that the
# desktop tells apart and opens with Kinvora, and the installed program, started by the entry's
# command, showing a window with that icon under Xvfb and working in the user's data folder.
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

for program in kinvora kinvora-fr kinvora-export kinvora-launch; do
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
for line in "Exec=kinvora-launch --desktop %f" "Icon=$app_id" "Type=Application"; do
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

# The file types, as a desktop using this prefix sees them: the databases the package's
# triggers rebuild, then the type and the default program of a diagram and a family tree.
for tool in update-mime-database update-desktop-database xdg-mime gio; do
    command -v "$tool" >/dev/null || fail "$tool is not installed"
done
update-mime-database "$prefix/share/mime" >"$work/mime.log" 2>&1 || {
    cat "$work/mime.log" >&2
    fail "update-mime-database rejected the file types"
}
update-desktop-database "$prefix/share/applications" || fail "update-desktop-database failed"
mkdir -p "$work/home" "$work/data" "$work/config" "$work/files"
printf '<kinvora>\n<E b="3" e="40" w="12"/>\n</kinvora>\n' >"$work/files/family.xml"
printf '<?xml version="1.0"?>\n<kinvora>\n<E b="3" e="40" w="12"/>\n</kinvora>\n' \
    >"$work/files/declared.xml"
printf 'E {\nb = 3;\ne = 40;\nw = 12;\n};\n' >"$work/files/family-text"
printf '0 HEAD\n1 CHAR UTF-8\n0 TRLR\n' >"$work/files/family.ged"
printf '<?xml version="1.0"?>\n<other/>\n' >"$work/files/other.xml"
# desktop_env COMMAND...: runs COMMAND with only this prefix's and the system's data folders;
# GNOME makes xdg-mime ask gio, which reads the shared MIME database.
desktop_env() {
    env HOME="$work/home" XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config" \
        XDG_CONFIG_DIRS="$work/config" XDG_DATA_DIRS="$prefix/share:/usr/share" \
        XDG_CURRENT_DESKTOP=GNOME "$@"
}
check_type() {
    local file="$1" expected="$2" found
    found="$(desktop_env xdg-mime query filetype "$work/files/$file")"
    [ "$found" = "$expected" ] || fail "xdg-mime sees $file as '$found', not $expected"
    [ "$expected" = application/xml ] && return 0
    found="$(desktop_env xdg-mime query default "$expected")"
    [ "$found" = "$app_id.desktop" ] || fail "xdg-mime opens $expected with '$found'"
}
check_type family.xml application/x-kinvora+xml
check_type declared.xml application/x-kinvora+xml
check_type family-text application/x-kinvora-text
check_type family.ged application/x-gedcom
check_type other.xml application/xml

# The installed program, started with the menu entry's command, shows a window with its icon
# and keeps its autosave in the user's data folder.
exec_line="$(sed -n 's/^Exec=//p' "$desktop" | sed 's/ %f$//')"
export WORK="$work" PROGRAM="$prefix/bin/$exec_line"
xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp -noreset" bash -c '
    set -euo pipefail
    cd /
    HOME="$WORK/home" XDG_DATA_HOME="$WORK/data" XDG_CONFIG_HOME="$WORK/config" LANG=C.UTF-8 \
        QT_QPA_PLATFORM=xcb $PROGRAM >"$WORK/app.log" 2>&1 &
    pid=$!
    trap "kill $pid 2>/dev/null || true; wait $pid 2>/dev/null || true" EXIT
    id="$(timeout 40 xdotool search --sync --onlyvisible --name "^Kinvora" | head -n 1)" || true
    [ -n "$id" ] || { cat "$WORK/app.log" >&2; echo "no Kinvora window" >&2; exit 1; }
    # -len: xprop cuts long properties short by default.
    xprop -len 4000000 -id "$id" _NET_WM_ICON | grep -o "Icon ([0-9]* x [0-9]*)" >"$WORK/icons.txt" || true
    xprop -id "$id" WM_CLASS >"$WORK/class.txt"
    # The autosave is written by a worker: give it a moment on a loaded machine.
    for _ in $(seq 100); do
        [ -f "$WORK/data/kinvora/autosave.xml" ] && break
        sleep 0.2
    done
' || fail "the installed kinvora did not show a window"
for size in 16 24 32 48 64 128 256; do
    grep -qx "Icon ($size x $size)" "$work/icons.txt" ||
        fail "the window icon has no ${size}x$size image (it has: $(tr '\n' ' ' <"$work/icons.txt"))"
done
# On X11 desktops match the window to the entry by its class.
class="$(sed -n 's/^StartupWMClass=//p' "$desktop")"
grep -qF "= \"$class\", \"$class\"" "$work/class.txt" ||
    fail "the window's class is not the entry's StartupWMClass $class: $(cat "$work/class.txt")"
[ -f "$work/data/kinvora/autosave.xml" ] ||
    fail "started from the menu, kinvora kept no autosave in its data folder: $(cd "$work" && find data home -type f)"
echo "PASS: $(wc -l <"$here/installed_files.txt") files installed and checked"
