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
# A small sample tree and the example settings (four modes, coloured commands), so the
# picture shows Zerin at work.
demo="$home/demo"
mkdir -p "$demo"/{Documents,Music,Photos,Projects}
head -c 20480 /dev/zero >"$demo/notes.txt"
head -c 3400000 /dev/zero >"$demo/holiday.jpg"
head -c 5100000 /dev/zero >"$demo/song.mp3"
head -c 48000 /dev/zero >"$demo/setup.exe"
head -c 120000 /dev/zero >"$demo/report.pdf"
printf 'x\n' >"$demo/README"
sed -e "s|^left_path=.*|left_path=$demo/|" examples/Zerin.ini >"$home/Zerin.ini"
DISPLAY=$display ./build/src/zerin --home "$home" &
zerin_pid=$!
sleep "${ZERIN_SCREENSHOT_WAIT:-3}"
DISPLAY=$display import -window root docs/screenshot.png
echo "docs/screenshot.png refreshed"
