#!/usr/bin/env bash
# On a real X server with a window manager, window.move gives another program's window the
# outer size asked for: its frame goes to the asked place and the client gets what the
# frame leaves. Skipped where Xvfb, openbox, xdotool or imagemagick is missing.
set -euo pipefail
zerin=$1
for tool in xvfb-run openbox xdotool display convert; do
    command -v "$tool" >/dev/null || { echo "skipped: no $tool"; exit 0; }
done
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

convert -size 200x100 xc:red "$home/red.png"
printf '[SCRIPTS]\r\nscript tests\\move\r\n#location=tests\r\n#name=move\r\nwindow.move "Move target" 100 60 400 300\r\nend script\r\n\r\n' \
    >"$home/Zerin.ini"
export wm_lib="$(cd "$(dirname "$0")" && pwd)/lib/window_manager.sh"
cat >"$home/run.sh" <<'INNER'
source "$wm_lib"
start_window_manager
display -title "Move target" -geometry +10+10 "$2/red.png" &
target=$!
window=$(xdotool search --sync --name '^Move target$' | head -n 1)
sleep 0.5
"$1" --home "$2" 'tests\move' >"$2/out" 2>"$2/err"
status=$?
sleep 0.5
xdotool getwindowgeometry --shell "$window" >"$2/geometry"
kill $target $wm 2>/dev/null
exit $status
INNER
unset QT_QPA_PLATFORM
timeout 60 xvfb-run -a -n 172 -s "-screen 0 800x600x24" bash "$home/run.sh" "$zerin" "$home" || fail "exit $?: $(cat "$home/err")"
# shellcheck disable=SC1091
source "$home/geometry"
[ "$WIDTH" -le 400 ] && [ "$HEIGHT" -le 300 ] || fail "client ${WIDTH}x${HEIGHT} is larger than the outer 400x300"
# openbox draws a title bar: the client is lower than the outer height by at least that.
[ "$HEIGHT" -lt 300 ] || fail "client height $HEIGHT leaves no room for the frame"
# The frame sits at the asked place, so the client starts right of and below it.
[ "$X" -ge 100 ] && [ "$Y" -gt 60 ] || fail "client at $X,$Y, the frame was asked at 100,60"
[ "$WIDTH" -gt 380 ] && [ "$HEIGHT" -gt 250 ] || fail "client ${WIDTH}x${HEIGHT} much smaller than asked"
echo ok
