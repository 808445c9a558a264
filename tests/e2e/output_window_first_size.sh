#!/usr/bin/env bash
# On a real X server with a window manager, the output window takes the size a script
# asks for right after opening it, the first time as well as the second. Skipped where
# Xvfb or openbox is not installed.
set -euo pipefail
zerin=$1
command -v xvfb-run >/dev/null && command -v openbox >/dev/null && command -v xprop >/dev/null || { echo "skipped: no xvfb-run, openbox or xprop"; exit 0; }
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

{
    printf '[SCRIPTS]\r\nscript tests\\size\r\n#location=tests\r\n#name=size\r\n'
    printf 'gfx.open Size\r\nwindow.width 480\r\nwindow.height 360\r\n'
    printf '! first (window.width) (window.height) (client.left) (window.left)\r\n'
    printf 'window close\r\ngfx.open Size\r\nwindow.width 480\r\nwindow.height 360\r\n'
    printf '! second (window.width) (window.height) (client.left) (window.left)\r\n'
    printf 'window close\r\nend script\r\n\r\n'
} >"$home/Zerin.ini"
export wm_lib="$(cd "$(dirname "$0")" && pwd)/lib/window_manager.sh"
cat >"$home/run.sh" <<'INNER'
source "$wm_lib"
start_window_manager
# A first run gives the window manager a window to take while it finishes starting up;
# the second run's first opening is the one measured.
"$1" --home "$2" 'tests\size' >/dev/null 2>&1
"$1" --home "$2" 'tests\size' >"$2/out" 2>"$2/err"
status=$?
kill $wm 2>/dev/null
exit $status
INNER
unset QT_QPA_PLATFORM
timeout 60 xvfb-run -a -n 171 -s "-screen 0 800x600x24" bash "$home/run.sh" "$zerin" "$home" || fail "exit $?: $(cat "$home/err")"
first=$(grep '^first ' "$home/out") || fail "no first size: $(cat "$home/out")"
second=$(grep '^second ' "$home/out") || fail "no second size: $(cat "$home/out")"
read -r _ width height clientLeft windowLeft <<<"$first"
read -r _ width2 height2 _ _ <<<"$second"
[ "$width $height" = "$width2 $height2" ] || fail "first opening '$first' differs from the second '$second'"
# The client area is the asked outer size less the frame: the borders on both sides.
border=$((clientLeft - windowLeft))
[ "$width" -eq $((480 - 2 * border)) ] || fail "client width $width with border $border"
[ "$height" -lt 360 ] && [ "$height" -gt 300 ] || fail "client height $height"
echo ok
