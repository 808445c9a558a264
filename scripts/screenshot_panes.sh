#!/usr/bin/env bash
# Photographs the path bar and a search from the path box on a virtual screen:
#   docs/screenshots/path-bar-two-groups.png   two path groups, "Projects" open
#   docs/screenshots/search-results.png        "song mp3" typed into a path box
#   docs/screenshots/right-drag-selection.png  four results painted with the right button
# Needs xvfb, openbox, xdotool and imagemagick, and a built ./build/src/zerin.
set -euo pipefail
cd "$(dirname "$0")/.."
display=${ZERIN_SCREENSHOT_DISPLAY:-:72}
home=$(mktemp -d)
Xvfb "$display" -screen 0 1280x800x24 >/dev/null 2>&1 &
xvfb=$!
zerin_pid=
wm_pid=
cleanup() {
    [ -n "$zerin_pid" ] && kill "$zerin_pid" 2>/dev/null || true
    [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
    rm -rf "$home"
}
trap cleanup EXIT
sleep 1
export DISPLAY=$display
openbox >/dev/null 2>&1 &
wm_pid=$!
sleep 1

# A sample tree: music and photos in a few folders, so a search finds entries in several.
demo="$home/demo"
for band in "Blue Night" "Red Dawn" "Gold Rush"; do
    mkdir -p "$demo/Music/$band"
    for n in 1 2 3; do head -c $((n * 1300000)) /dev/zero >"$demo/Music/$band/song $n.mp3"; done
    head -c 2000 /dev/zero >"$demo/Music/$band/notes.txt"
done
mkdir -p "$demo/Photos/Summer" "$demo/Projects/zerin" "$demo/Documents"
for n in 1 2 3 4; do head -c $((n * 900000)) /dev/zero >"$demo/Photos/Summer/beach $n.jpg"; done
head -c 4100000 /dev/zero >"$demo/Photos/song of the sea.jpg"
head -c 120000 /dev/zero >"$demo/Documents/song list.pdf"
# The example settings with a second, closed group of the sample's folders.
python3 - "$demo" examples/Zerin.ini "$home/Zerin.ini" <<'PY'
import sys
demo, source, target = sys.argv[1:]
ini = open(source, newline="").read()
lines = []
for line in ini.split("\r\n"):
    if line.startswith("left_path="): line = f"left_path={demo}/Music/"
    elif line.startswith("right_path="): line = f"right_path={demo}/"
    elif line.startswith("path=Zerin::"): line = f"path=Zerin::{demo}/Projects/zerin/"
    elif line.startswith("path=Docs::"): line = f"path=Docs::{demo}/Documents/\r\npath=Photos::{demo}/Photos/"
    elif line == "[MODES]":
        line = (f"pathgroup=Music\r\npath=Blue Night::{demo}/Music/Blue Night/\r\n"
                f"path=Red Dawn::{demo}/Music/Red Dawn/\r\npathgroup_open=0\r\n\r\n[MODES]")
    lines.append(line)
open(target, "w", newline="").write("\r\n".join(lines))
PY

./build/src/zerin --home "$home" &
zerin_pid=$!
sleep "${ZERIN_SCREENSHOT_WAIT:-3}"
win=$(xdotool search --sync --name '^Zerin$' | head -1)
xdotool windowactivate --sync "$win" windowsize --sync "$win" 1280 760 windowmove --sync "$win" 0 0
sleep 1
mkdir -p docs/screenshots
import -window root docs/screenshots/path-bar-two-groups.png

# Visit the band folders through the path box of the right pane, so that they are in the
# listing cache, then search it.
# The right pane's path box, just below the top bar (the window sits at 0,0).
type_path() {
    xdotool mousemove "${PATH_BOX_X:-700}" "${PATH_BOX_Y:-357}" click 1
    xdotool key ctrl+a type --delay 5 "$1"
    xdotool key Return
    sleep 0.5
}
for band in "Blue Night" "Red Dawn" "Gold Rush"; do type_path "$demo/Music/$band/"; done
type_path "$demo/Photos/Summer/"
type_path "$demo/Photos/"
type_path "song mp3"
sleep 1
import -window root docs/screenshots/search-results.png

# Paint a selection with the right button over four results: the Size header sums them.
xdotool mousemove 700 400 mousedown 3
for y in 408 416 424 432 440 448; do xdotool mousemove 700 "$y"; sleep 0.05; done
xdotool mouseup 3
sleep 0.5
import -window root docs/screenshots/right-drag-selection.png
echo "docs/screenshots/path-bar-two-groups.png, search-results.png and right-drag-selection.png refreshed"
