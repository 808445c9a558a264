#!/usr/bin/env bash
# A stored script named on the command line runs without a window and the program ends;
# a name that matches no script ends it with one line on standard error.
set -euo pipefail
zerin=$1
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

printf 'text_log=1\r\n\r\n[SCRIPTS]\r\nscript tools\\backup\r\n#location=tools\r\n#name=backup\r\n? backing up\r\n? [command]\r\n! done\r\nend script\r\n\r\n' >"$home/Zerin.ini"
cp "$home/Zerin.ini" "$home/before.ini"

# Not found: non-zero status, exactly one line on standard error.
set +e
timeout 30 "$zerin" --home "$home" nosuch >"$home/out" 2>"$home/err"
status=$?
set -e
[ "$status" -ne 0 ] || fail "nosuch exited 0"
[ "$status" -ne 124 ] || fail "nosuch did not end"
[ "$(wc -l <"$home/err")" -eq 1 ] || fail "expected one stderr line, got: $(cat "$home/err")"
grep -q nosuch "$home/err" || fail "the message does not name the script"

run() {
    # The window would keep the program alive: a run that ends in time opened none.
    timeout 30 "$@" >"$home/out" 2>"$home/err" || fail "exit $? for: ${*:2}; stderr: $(cat "$home/err")"
}
run "$zerin" --home "$home" 'tools\backup'
# What the script prints reaches standard output, with LF line ends; the argument text
# is the script's command variable.
expect_out() { [ "$(cat "$home/out")" = "$(printf "$1")" ] || fail "stdout was: $(od -c "$home/out" | head)"; }
run "$zerin" --home "$home" '"tools\backup" a b'
expect_out 'backing up\na b\ndone'
run "$zerin" --home "$home" 'TOOLS\Backup'
expect_out 'backing up\n\ndone'
run "$zerin" --home "$home" 'tools\backup' a b
expect_out 'backing up\na b\ndone'
# A quoted name as a word of its own, before the arguments: the quotes go.
run "$zerin" --home "$home" '"tools\backup"' a b
expect_out 'backing up\na b\ndone'
run "$zerin" --home "$home" ' "Tools\Backup"'
expect_out 'backing up\n\ndone'
# Without any display at all.
run env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$zerin" --home "$home" '"tools\backup" a b'
[ ! -s "$home/err" ] || fail "unexpected stderr without a display: $(cat "$home/err")"
# With a display that cannot be reached (a stale DISPLAY in cron or over ssh).
run env -u QT_QPA_PLATFORM DISPLAY=:9999 "$zerin" --home "$home" 'tools\backup'

# A command-line run never writes the settings file.
cmp -s "$home/Zerin.ini" "$home/before.ini" || fail "Zerin.ini changed"
[ ! -e "$home/Zerin.ini.tmp" ] || fail "temporary file left behind"
echo ok
