#!/usr/bin/env bash
# A stored script run from the terminal prints on standard output what it prints: its
# debug lines, "!" and "?" output, and the interpreter's own error lines.
set -euo pipefail
zerin=$1
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

script=(
    '#location=tools' '#name=count' "' a comment line"
    'total = 0'
    'FOR i = (1 to 4 step 1)'
    'total += i'
    'NEXT i'
    '? total [total]'
    '! loud [command]'
    'if (total > 5)'
    '  ?. big'
    '  ? , and done'
    'else'
    '  ? small'
    'endif'
    'GOSUB tail'
    'GOTO nowhere'
    'tail:'
    '? in tail'
    'RETURN'
)
{
    printf 'font_size=9\r\n\r\n[SCRIPTS]\r\nscript tools\\count\r\n'
    printf '%s\r\n' "${script[@]}"
    printf 'end script\r\n\r\n'
} >"$home/Zerin.ini"

timeout 30 "$zerin" --home "$home" 'tools\count' first second >"$home/out" 2>"$home/err" ||
    fail "exit $?; stderr: $(cat "$home/err")"
expected=$'total 10\nloud first second\nbig, and done\nin tail\nError: Label not found: nowhere'
[ "$(cat "$home/out")" = "$expected" ] || fail "stdout was:"$'\n'"$(cat "$home/out")"
[ ! -s "$home/err" ] || fail "unexpected stderr: $(cat "$home/err")"
echo ok
