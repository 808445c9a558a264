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
printf 'left_path=%s/\r\nright_path=/usr/\r\n\r\n[PATHS]\r\npath=Home::%s/\r\npath=Root::/\r\npathgroup_open=1\r\n' "$HOME" "$HOME" >"$home/Zerin.ini"
DISPLAY=$display ./build/src/zerin --home "$home" &
zerin_pid=$!
sleep "${ZERIN_SCREENSHOT_WAIT:-3}"
DISPLAY=$display import -window root docs/screenshot.png
echo "docs/screenshot.png refreshed"
