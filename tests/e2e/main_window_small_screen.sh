#!/usr/bin/env bash
# On an 800 x 600 X screen with a window manager, the main window opens with its frame
# inside the screen, and comes back at the place kept in Zerin_Window.ini (fitted in when
# it was kept on a larger screen). Skipped where Xvfb, openbox or xwininfo is missing.
set -euo pipefail
zerin=$1
for tool in xvfb-run openbox xwininfo; do
    command -v $tool >/dev/null || { echo "skipped: no $tool"; exit 0; }
done
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

export wm_lib="$(cd "$(dirname "$0")" && pwd)/lib/window_manager.sh"
cat >"$home/run.sh" <<'INNER'
# Starts zerin, waits for its window to settle, prints "x y width height" of its client area.
place() {
    "$zerin" --home "$home" >>"$home/log" 2>&1 &
    local pid=$!
    local line=""
    for _ in $(seq 40); do
        sleep 0.25
        line=$(xwininfo -root -tree | grep '"Zerin": ("zerin"' || true)
        [ -n "$line" ] && break
    done
    sleep 2.5  # the second fit comes once the window manager has told its frame
    local id=$(xwininfo -root -tree | grep '"Zerin": ("zerin"' | awk '{print $1}')
    xwininfo -id "$id" | awk '/Absolute upper-left X/{x=$NF} /Absolute upper-left Y/{y=$NF} /Width:/{w=$NF} /Height:/{h=$NF} END{print x, y, w, h}'
    kill $pid; wait $pid 2>/dev/null || true
}
zerin=$1 home=$2
source "$wm_lib"
start_window_manager
place >"$home/first"
printf '[window]\nleft=90\ntop=70\nwidth=600\nheight=420\nmaximised=0\nframe=1,20,1,5\n' >"$home/Zerin_Window.ini"
place >"$home/kept"
printf '[window]\nleft=300\ntop=200\nwidth=1280\nheight=800\nmaximised=0\n' >"$home/Zerin_Window.ini"
place >"$home/larger"
kill $wm 2>/dev/null
INNER
unset QT_QPA_PLATFORM
timeout 90 xvfb-run -a -n 181 -s "-screen 0 800x600x24" bash "$home/run.sh" "$zerin" "$home" || fail "exit $?: $(cat "$home/log")"

# The window manager's frame: at least a title bar above the client, a border below.
inside() {
    read -r x y w h <"$home/$1"
    [ -n "${h:-}" ] || fail "$1: no window found: $(cat "$home/log")"
    [ "$y" -ge 15 ] || fail "$1: no room for the title bar (client at y $y)"
    [ $((x + w)) -le 800 ] && [ $((y + h)) -le 598 ] || fail "$1: client $x,$y ${w}x$h runs off the 800 x 600 screen"
}
inside first
read -r x y w h <"$home/first"
[ "$w" -gt 700 ] && [ "$h" -gt 500 ] || fail "first start uses only ${w}x$h of the screen"
inside kept
[ "$(cat "$home/kept")" = "90 70 600 420" ] || fail "kept placement came back as $(cat "$home/kept")"
inside larger
echo ok
