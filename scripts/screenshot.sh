#!/usr/bin/env bash
# Refreshes docs/screenshot.png: starts Zerin on a virtual screen with a sample
# Zerin.ini and photographs the screen. Needs xvfb and imagemagick.
set -euo pipefail
cd "$(dirname "$0")/.."
display=${ZERIN_SCREENSHOT_DISPLAY:-:71}
home=$(mktemp -d)
Xvfb "$display" -screen 0 1280x800x24 >/dev/null 2>&1 &
xvfb=$!
cleanup() { kill "$zerin_pid" 2>/dev/null || true; kill "$xvfb" 2>/dev/null || true; rm -rf "$home"; }
zerin_pid=
trap cleanup EXIT
sleep 1
# A small sample tree and a few stored scripts, so the picture shows Zerin at work.
demo="$home/demo"
mkdir -p "$demo"/{Documents,Music,Pictures,Projects}
printf 'Notes\n' >"$demo/notes.txt"
head -c 48000 /dev/zero >"$demo/report.pdf"
head -c 1300000 /dev/zero >"$demo/Pictures/holiday.jpg"
ini() { printf '%s\r\n' "$@" >>"$home/Zerin.ini"; }
ini "left_path=$demo/" "right_path=/usr/" "" "[PATHS]" "path=Demo::$demo/" "path=Root::/" "pathgroup_open=1" \
    "" "[MODES]" "modegroup=Files::files" "modegroup=Tools::tools" "" "[SCRIPTS]"
for name in Copy Rename "New folder" Sizes; do
  ini "script files\\$name" "#location=files" "#name=$name" "? \"$name\"" "end script" ""
done
ini "script tools\\backup" "#location=tools" "#name=backup" "? \"backing up\"" "end script" ""
DISPLAY=$display ./build/src/zerin --home "$home" &
zerin_pid=$!
sleep "${ZERIN_SCREENSHOT_WAIT:-3}"
DISPLAY=$display import -window root docs/screenshot.png
echo "docs/screenshot.png refreshed"
