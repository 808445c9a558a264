#!/usr/bin/env bash
# Refreshes docs/screenshots/image-viewer.png, window-buttons.png and window-docked.png:
# Zerin on a virtual screen under openbox, showing a camera photo whose EXIF block says it
# was taken turned (it must show upright), then the window buttons with two other
# programs' windows open, one of them docked over the work area.
# Needs xvfb, openbox, xdotool, imagemagick and python3-tk.
#
#   scripts/screenshot_viewer.sh CAMERA-PHOTO.jpg
set -euo pipefail
cd "$(dirname "$0")/.."
photo=$(realpath "$1")
display=${ZERIN_SCREENSHOT_DISPLAY:-:73}
home=$(mktemp -d)
pids=()
cleanup() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    rm -rf "$home"
}
trap cleanup EXIT
Xvfb "$display" -screen 0 1280x800x24 >/dev/null 2>&1 &
pids+=($!)
sleep 1
export DISPLAY=$display
openbox >/dev/null 2>&1 &
pids+=($!)
sleep 1

# The example settings, opening in the image display mode with the photo in the list.
cp "$photo" "$home/camera-photo.jpg"
sed -e '/^script on\\load/,/^end script/ s|dom_system|dom_image|' examples/Zerin.ini >"$home/Zerin.ini"
printf '\r\n[IMAGELIST]\r\nIL=%s\r\n' "$home/camera-photo.jpg" >>"$home/Zerin.ini"
./build/src/zerin --home "$home" &
pids+=($!)
zerin=$(xdotool search --sync --onlyvisible --name '^Zerin$' | head -n 1)
sleep 2
# The first item of the image list, at the left of the work area.
xdotool mousemove --window "$zerin" 60 14 click 1
sleep 1
import -window root docs/screenshots/image-viewer.png

# Two other programs' windows, then the "Windows" button at the left of the bottom bar.
display -title "Camera photo - ImageMagick" -geometry +980+40 "$photo" &
pids+=($!)
python3 -c 'import tkinter as t; r = t.Tk(); r.title("Notes about the trip"); r.geometry("260x120+980+300"); t.Label(r, text="Notes").pack(); r.mainloop()' &
pids+=($!)
sleep 2
xdotool windowactivate --sync "$zerin"
height=$(xdotool getwindowgeometry "$zerin" | awk -F'[ x]+' '/Geometry/ {print $4}')
xdotool mousemove --window "$zerin" 30 $((height - 12)) click 1
sleep 2
# The first window button follows the path buttons of the example settings: a click
# brings that window to the front, a right click docks it over the work area.
first=${ZERIN_FIRST_WINDOW_BUTTON_X:-455}
xdotool mousemove --window "$zerin" "$first" $((height - 12)) click 1
sleep 1
import -window root docs/screenshots/window-buttons.png
xdotool mousemove --window "$zerin" "$first" $((height - 12)) click 3
sleep 1
import -window root docs/screenshots/window-docked.png
echo "docs/screenshots/image-viewer.png, window-buttons.png and window-docked.png refreshed"
