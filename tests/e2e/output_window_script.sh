#!/usr/bin/env bash
# A stored script drives the output window in a command-line run: it draws, reads a
# pixel back, saves a bitmap into the program folder and closes the window again.
set -euo pipefail
zerin=$1
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

{
    printf '[SCRIPTS]\r\nscript tests\\draw\r\n#location=tests\r\n#name=draw\r\n'
    printf 'gfx.open Test\r\nline 0 0 50 50 255\r\nc = (point 25 25)\r\n! red [c]\r\n'
    printf 'a = (bitmap.create)\r\nb = (bitmap.create)\r\n! bitmaps [a] [b]\r\n'
    printf 'bitmap.save 0 picture.bmp\r\nwindow.move 12345 10 10 200\r\ncircle 5 5 1000000000\r\n'
    printf 'window close\r\n! closed (window.input)\r\n'
    printf 'end script\r\n\r\n'
} >"$home/Zerin.ini"

timeout 30 "$zerin" --home "$home" 'tests\draw' >"$home/out" 2>"$home/err" || fail "exit $?: $(cat "$home/err")"
grep -q '^red 255' "$home/out" || fail "pixel not read back: $(cat "$home/out")"
grep -q '^bitmaps 1 2' "$home/out" || fail "bitmap numbers: $(cat "$home/out")"
grep -q '^window.move: not enough arguments' "$home/out" || fail "no window.move message: $(cat "$home/out")"
grep -q '^closed WINDOW.CLOSED' "$home/out" || fail "closing did not answer: $(cat "$home/out")"
[ "$(head -c 2 "$home/picture.bmp")" = "BM" ] || fail "picture.bmp is not a bitmap file"
echo ok
