#!/usr/bin/env bash
# A command-line run that only computes and prints never loads Qt (that is what keeps
# it fast enough for shell loops); one that shows the output window and draws does, and
# still works; a question without a display is answered at once, without Qt.
set -euo pipefail
zerin=$1
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

{
    printf 'script t\\sum\r\n#location=t\r\n#name=sum\r\nx = 0\r\nFOR i = (1 to 100 step 1)\r\nx += i\r\nNEXT i\r\n! sum [x]\r\nend script\r\n'
    printf 'script t\\draw\r\n#location=t\r\n#name=draw\r\ngfx.open Test\r\nline 0 0 9 9 255\r\nc = (point 3 3)\r\n! red [c]\r\nwindow close\r\nend script\r\n'
    printf 'script t\\ask\r\n#location=t\r\n#name=ask\r\na = (do_query_okcancel "Go on?")\r\n! answer [a]\r\nend script\r\n'
} >"$home/Zerin.ini"

loaded_libraries() { LD_DEBUG=files "$@" 2>&1 >/dev/null | grep -Eo '(libQt6[A-Za-z]*|zerin_gui)\.so' | sort -u || true; }

out=$("$zerin" --home "$home" 't\sum')
[ "$out" = "sum 5050" ] || fail "sum printed '$out'"
libs=$(loaded_libraries "$zerin" --home "$home" 't\sum')
[ -z "$libs" ] || fail "a printing run loaded: $libs"

out=$("$zerin" --home "$home" 't\draw')
[ "$out" = "red 255" ] || fail "drawing run printed '$out'"
libs=$(loaded_libraries "$zerin" --home "$home" 't\draw')
echo "$libs" | grep -q zerin_gui || fail "a drawing run did not load the window module: $libs"

out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$zerin" --home "$home" 't\ask' 2>"$home/err")
[ "$out" = "answer 0" ] || fail "question answered '$out'"
grep -q 'no display, answered Cancel: "Go on?"' "$home/err" || fail "no line on standard error: $(cat "$home/err")"
libs=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM bash -c "LD_DEBUG=files '$zerin' --home '$home' 't\\ask' 2>&1 >/dev/null" | grep -Eo '(libQt6[A-Za-z]*|zerin_gui)\.so' | sort -u || true)
[ -z "$libs" ] || fail "a question without a display loaded: $libs"
echo ok
