#!/usr/bin/env bash
# The text editor's commands as a script meets them from the terminal: help lists them
# with their descriptions, the font commands answer and the new size is saved.
set -euo pipefail
zerin=$1
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

{
    printf 'font_size=10\r\n\r\n[SCRIPTS]\r\nscript tools\\fonts\r\n'
    printf '%s\r\n' '#location=tools' '#name=fonts' 'help' \
        'a = (do_font_larger)' '? larger [a]' 'b = (do_font_smaller 50)' '? smaller [b]' \
        '? hex (do_text_loadhex /??)' 'do_default_save'
    printf 'end script\r\n'
} >"$home/Zerin.ini"

timeout 30 "$zerin" --home "$home" 'tools\fonts' >"$home/out" 2>"$home/err" ||
    fail "exit $?; stderr: $(cat "$home/err")"
out=$(cat "$home/out")
[ "$(grep -c '^# ' <<<"$out")" = 23 ] || fail "help lines:"$'\n'"$out"
grep -qx '# DO_FONT_SMALLER           Decrease Text Size' <<<"$out" || fail "no font line:"$'\n'"$out"
grep -qx '# DO_TEXT_FILELIST          Outputs All files in Source to Text Editor' <<<"$out" || fail "no filelist line"
grep -q 'Not found: 2[6-9]\|Not found: 30' <<<"$out" && fail "a text command is missing:"$'\n'"$out"
grep -qx 'larger Increases Text Size' <<<"$out" || fail "larger:"$'\n'"$out"
grep -qx 'smaller  *7' <<<"$out" || fail "smaller:"$'\n'"$out"
grep -q '^hex Load Selected File as Hexadecimal to Text Editor' <<<"$out" || fail "hex:"$'\n'"$out"
grep -q $'^font_size=7\r$' "$home/Zerin.ini" || fail "font size not saved: $(grep font_size "$home/Zerin.ini")"
echo ok
