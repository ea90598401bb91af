#!/usr/bin/env bash
# End-to-end check of one Kinvora program in a real X11 window (Xvfb, xcb platform):
#   run_e2e.sh PATH/TO/kinvora[-fr]
# Starts the program in an empty folder, then over a prepared autosave, looks at screenshots,
# zooms with Ctrl and "+", closes it from the File menu and checks the autosave it leaves.
set -euo pipefail

if [ $# -ne 1 ] || [ ! -x "$1" ]; then
    echo "usage: $0 PATH/TO/EXECUTABLE" >&2
    exit 2
fi
program="$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"

for tool in Xvfb xdotool import convert compare; do
    command -v "$tool" >/dev/null || { echo "FAIL: $tool is not installed" >&2; exit 1; }
done

wait_limit=40 # seconds for any one thing to happen; generous for a loaded machine
work="$(mktemp -d "${TMPDIR:-/tmp}/kinvora-e2e.XXXXXX")"
xvfb_pid=""
app_pid=""

cleanup() {
    local status=$?
    local pid
    for pid in $app_pid $xvfb_pid; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    if [ $status -ne 0 ] && [ -n "${KINVORA_E2E_KEEP:-}" ]; then
        echo "kept $work" >&2
    else
        rm -rf "$work"
    fi
}
trap cleanup EXIT
trap 'exit 143' TERM INT

fail() {
    echo "FAIL ($(basename "$program")): $*" >&2
    if [ -n "$xvfb_pid" ] && ! kill -0 "$xvfb_pid" 2>/dev/null; then
        echo "--- Xvfb has ended; its output ---" >&2
        cat "$work/xvfb.log" >&2
    fi
    if [ -s "$work/app.log" ]; then
        echo "--- program output ---" >&2
        cat "$work/app.log" >&2
    fi
    exit 1
}

step() { echo "== $*"; }

start_xvfb() {
    # -displayfd lets the server pick a free display itself, so parallel runs cannot collide.
    # -noreset keeps the server as it is when its last client leaves: a reset between one
    # program's exit and the next one's start refuses that start.
    : >"$work/display"
    Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp -noreset 3>"$work/display" \
        >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    local waited=0
    until [ -s "$work/display" ] && grep -q '[0-9]' "$work/display"; do
        kill -0 "$xvfb_pid" 2>/dev/null || fail "Xvfb did not start"
        [ $waited -ge $((wait_limit * 5)) ] && fail "Xvfb gave no display number"
        sleep 0.2
        waited=$((waited + 1))
    done
    DISPLAY=":$(tr -dc 0-9 <"$work/display")"
    export DISPLAY
    step "Xvfb on $DISPLAY"
}

# start_program FOLDER [ARGUMENT...]: runs the program with FOLDER as its working folder and
# the settings in app_env added to its environment.
app_env=()
start_program() {
    local folder="$1"
    shift
    (cd "$folder" && exec env ${app_env[@]+"${app_env[@]}"} "$program" "$@") >"$work/app.log" 2>&1 &
    app_pid=$!
}

# wait_window REGEX: prints the id of the program's window once its title matches. Searches
# again until the time is up: one search fails outright when a window it is reading closes
# meanwhile (a dialog giving way to the main window).
wait_window() {
    local id=""
    local deadline=$((SECONDS + wait_limit))
    while [ -z "$id" ] && [ "$SECONDS" -lt "$deadline" ]; do
        id="$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1)" || id=""
        [ -n "$id" ] || sleep 0.2
    done
    if [ -z "$id" ]; then
        kill -0 "$app_pid" 2>/dev/null || fail "the program ended before showing a window titled /$1/"
        fail "no window titled /$1/ within ${wait_limit}s (titles: $(xdotool search --name . \
            getwindowname %@ 2>/dev/null | tr '\n' '|'))"
    fi
    echo "$id"
}

shot() {
    import -window root "$1"
}

# pixel_count IMAGE HEX: how many pixels of the image have exactly this colour.
pixel_count() {
    local line
    line="$(convert "$1" -format %c histogram:info:- | grep -i " $2 " || true)"
    [ -z "$line" ] && { echo 0; return; }
    echo "$line" | awk -F: '{ gsub(/ /, "", $1); print $1 }'
}

# colour_box IMAGE HEX: bounding box (WxH+X+Y) of the pixels of this colour.
colour_box() {
    convert "$1" -fill black +opaque "$2" -fill white -opaque "$2" -format %@ info:
}

# close_program ID: File menu, last entry (Exit), by keyboard; then waits for a clean exit.
close_program() {
    local id=$1 tries=0 waited
    while kill -0 "$app_pid" 2>/dev/null; do
        [ $tries -ge 3 ] && fail "the program did not exit from File > Exit"
        xdotool windowfocus --sync "$id" 2>/dev/null || true
        xdotool key alt+f 2>/dev/null || true
        sleep 0.5
        xdotool key Up Return 2>/dev/null || true
        waited=0
        while kill -0 "$app_pid" 2>/dev/null && [ $waited -lt $((wait_limit * 4 / 3)) ]; do
            sleep 0.25
            waited=$((waited + 1))
        done
        tries=$((tries + 1))
    done
    local status=0
    wait "$app_pid" || status=$?
    [ $status -eq 0 ] || fail "the program exited with status $status"
    app_pid=""
}

# check_files DIR NAME...: the folder holds these files and no other.
check_files() {
    local folder=$1 found
    shift
    found="$(cd "$folder" && find . -mindepth 1 -printf '%P\n' | LC_ALL=C sort | tr '\n' ' ')"
    [ "$found" = "$(printf '%s\n' "$@" | LC_ALL=C sort | tr '\n' ' ')" ] ||
        fail "$folder holds: $found(expected: $*)"
}

# check_empty DIR: nothing was written into the folder.
check_empty() {
    [ -z "$(ls -A "$1")" ] || fail "$1 holds: $(ls -A "$1" | tr '\n' ' ')"
}

# diagram_lines FILE: the limits, period, link and image lines, as written.
diagram_lines() {
    grep -E '^'$'\t''<[EPLI] ' "$1" || true
}

# check_autosave FILE EXPECTED: the file is a whole diagram holding exactly these lines.
check_autosave() {
    [ -f "$1" ] || fail "$1 is missing"
    [ "$(head -n 1 "$1")" = "<kinvora>" ] || fail "$1 does not start with <kinvora>: $(head -n 1 "$1")"
    [ "$(tail -n 1 "$1")" = "</kinvora>" ] || fail "$1 does not end with </kinvora>"
    if ! diff <(diagram_lines "$2") <(diagram_lines "$1") >"$work/diff.txt"; then
        cat "$work/diff.txt" >&2
        fail "$1 does not hold the expected diagram"
    fi
}

export QT_QPA_PLATFORM=xcb
# Settings and data folders of the run's own, never the user's.
export XDG_RUNTIME_DIR="$work/runtime" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"
mkdir -m 700 "$XDG_RUNTIME_DIR"

case "$(basename "$program")" in
*-fr) menu_file="&Fichier" warning_title="Attention" ;;
*) menu_file="&File" warning_title="Warning" ;;
esac
grep -qaF "$menu_file" "$program" || fail "the program holds no \"$menu_file\" menu"

start_xvfb

red="#FF0000" yellow="#FFFF00" cyan="#00FFFF" blue="#0000FF"
min_pixels=500 # a period is far larger; a few stray pixels of one colour do not count

# --- 1. an empty folder: the empty diagram ---
step "start in an empty folder"
mkdir "$work/empty"
start_program "$work/empty"
window="$(wait_window '^Kinvora IHM - "\."$')"
printf '<kinvora>\n\t<E b="0" e="40" w="10" />\n</kinvora>\n' >"$work/empty-expected.xml"
if ! cmp -s "$work/empty-expected.xml" "$work/empty/autosave.xml"; then
    cat "$work/empty/autosave.xml" >&2 2>/dev/null || true
    fail "./autosave.xml does not hold the empty diagram"
fi
shot "$work/empty.png"
for colour in $red $yellow $cyan; do
    [ "$(pixel_count "$work/empty.png" "$colour")" -lt $min_pixels ] ||
        fail "the empty diagram already shows $colour: the colour check would prove nothing"
done
blue_empty="$(pixel_count "$work/empty.png" $blue)"
close_program "$window"
check_files "$work/empty" autosave.xml

# --- 2. a prepared autosave: periods, links and a picture ---
step "start over a prepared autosave"
diagram="$work/diagram"
mkdir "$diagram"
convert -size 60x40 xc:blue "$diagram/pic.png"
cp "$diagram/pic.png" "$work/pic-expected.png"
cat >"$diagram/autosave.xml" <<'EOF'
<kinvora>
	<E b="0" e="40" w="10" />
	<P b="2" e="30" w="2" s="1" i="1" t="Red__tag46__one" d="first__endl__second" cp="0" cb="5" ct="0" />
	<P b="10" e="35" w="2" s="4" i="2" t="Yellow" d="" cp="0" cb="10" ct="0" />
	<P b="-20" e="-5" w="3" s="7" i="3" t="Cyan" d="" cp="0" cb="8" ct="0" />
	<L i1="1" i2="2" p1="0" p2="3" />
	<L i1="2" i2="3" p1="1" p2="2" />
	<I x="50" y="60" s="1" f="pic__tag46__png" />
</kinvora>
EOF
cp "$diagram/autosave.xml" "$work/expected.xml"
start_program "$diagram"
window="$(wait_window '^Kinvora IHM - "autosave\.xml"$')"

# The window may show before the view is painted: poll until every period colour shows.
waited=0
while :; do
    shot "$work/before.png"
    missing=""
    for colour in $red $yellow $cyan; do
        [ "$(pixel_count "$work/before.png" "$colour")" -ge $min_pixels ] || missing+=" $colour"
    done
    [ -z "$missing" ] && break
    [ $waited -ge $wait_limit ] && fail "the screenshot lacks the period colours:$missing"
    sleep 1
    waited=$((waited + 1))
done
blue_picture=$(($(pixel_count "$work/before.png" $blue) - blue_empty))
[ $blue_picture -ge 2000 ] ||
    fail "the 60x40 blue picture is not drawn ($blue_picture more blue pixels than the empty diagram)"

# The area the diagram covers: the union of the periods' boxes.
read -r x0 y0 x1 y1 < <(for colour in $red $yellow $cyan; do colour_box "$work/before.png" "$colour"; echo; done |
    awk -F'[x+]' 'NF == 4 { w = $1; h = $2; x = $3; y = $4
        if (n++ == 0 || x < a) a = x; if (n == 1 || y < b) b = y
        if (n == 1 || x + w > c) c = x + w; if (n == 1 || y + h > d) d = y + h }
        END { print a, b, c, d }')
area="$((x1 - x0))x$((y1 - y0))+$x0+$y0"
area_pixels=$(((x1 - x0) * (y1 - y0)))
step "diagram drawn over $area"

step "zoom in with Ctrl and +"
xdotool windowfocus --sync "$window" 2>/dev/null || true
xdotool key ctrl+plus 2>/dev/null
waited=0
while :; do
    shot "$work/after.png"
    convert "$work/before.png" -crop "$area" +repage "$work/before-area.png"
    convert "$work/after.png" -crop "$area" +repage "$work/after-area.png"
    # compare prints the count on standard error and exits with 1 when the images differ.
    changed="$(compare -metric AE "$work/before-area.png" "$work/after-area.png" null: 2>&1 || true)"
    [[ "$changed" =~ ^[0-9.e+]+$ ]] || fail "compare failed: $changed"
    changed="$(awk -v n="$changed" 'BEGIN { printf "%d", n }')"
    # Doubling the zoom moves most of the drawing: a few changed pixels are not enough.
    [ "$changed" -ge $((area_pixels / 10)) ] && break
    [ $waited -ge $wait_limit ] &&
        fail "Ctrl and + left the diagram unchanged ($changed of $area_pixels pixels differ)"
    sleep 1
    waited=$((waited + 1))
done
step "zoom changed $changed of $area_pixels pixels"

close_program "$window"
check_autosave "$diagram/autosave.xml" "$work/expected.xml"
cmp -s "$work/pic-expected.png" "$diagram/pic.png" || fail "the picture file was changed"

# --- 3. the autosave left behind still loads ---
step "start again over the autosave left behind"
start_program "$diagram"
window="$(wait_window '^Kinvora IHM - "autosave\.xml"$')"
waited=0
until shot "$work/again.png" && [ "$(pixel_count "$work/again.png" $red)" -ge $min_pixels ]; do
    [ $waited -ge $wait_limit ] && fail "the reloaded diagram does not show its red period"
    sleep 1
    waited=$((waited + 1))
done
close_program "$window"
check_autosave "$diagram/autosave.xml" "$work/expected.xml"
check_files "$diagram" autosave.xml pic.png

# --- 4. files given on the command line: the program works in their folder ---
step "open a diagram given on the command line"
mkdir "$work/given" "$work/elsewhere"
printf '<kinvora>\n<E b="3" e="40" w="12"/>\n<P b="1850" e="1900" w="2" s="1" i="1" t="Ada" d="" cp="-1" cb="6" ct="-1"/>\n</kinvora>\n' \
    >"$work/given/family.xml"
start_program "$work/elsewhere" ../given/family.xml
window="$(wait_window '^Kinvora IHM - "family\.xml"$')"
close_program "$window"
grep -q 't="Ada"' "$work/given/autosave.xml" || fail "the given diagram is not in its folder's autosave"
check_empty "$work/elsewhere"

step "import a GEDCOM file given on the command line"
printf '0 HEAD\n1 CHAR UTF-8\n0 @I1@ INDI\n1 NAME Ingrid /Berg/\n1 BIRT\n2 DATE 1871\n0 TRLR\n' \
    >"$work/given/tree.ged"
start_program "$work/elsewhere" "$work/given/tree.ged"
# The chart dialog comes first; OK holds the focus, so Enter draws everyone.
chart="$(wait_window '^Import(er un arbre g.*alogique| a family tree)$')"
xdotool windowfocus --sync "$chart" 2>/dev/null || true
xdotool key Return 2>/dev/null || true
window="$(wait_window '^Kinvora IHM - "tree\.xml"$')"
close_program "$window"
grep -q 'Ingrid Berg' "$work/given/autosave.xml" || fail "the imported tree is not in the autosave"
check_empty "$work/elsewhere"

step "a missing file: the usual start and a warning"
start_program "$work/given" missing.xml
window="$(wait_window '^Kinvora IHM - "autosave\.xml"$')"
wait_window "^$warning_title\$" >/dev/null
grep -q 'Ingrid Berg' "$work/given/autosave.xml" || fail "the autosave was lost over a missing file"
kill "$app_pid"
wait "$app_pid" 2>/dev/null || true
app_pid=""

step "--desktop works in the user's data folder"
mkdir "$work/home"
app_env=(HOME="$work/home")
start_program "$work/elsewhere" --desktop
window="$(wait_window '^Kinvora IHM - ')"
close_program "$window"
[ -f "$work/data/kinvora/autosave.xml" ] || fail "--desktop kept no autosave in $work/data/kinvora"
check_empty "$work/elsewhere"
check_empty "$work/home"

step "PASS"
