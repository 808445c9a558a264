#!/usr/bin/env bash
# Scripts that start programs, wait and run other stored scripts, through the real binary:
# exit codes come back, a file name full of shell characters stays one argument and runs
# nothing, and an executed script returns its value.
set -euo pipefail
zerin=$1
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

{
    printf '[SCRIPTS]\r\n'
    printf 'script tools\\programs\r\n#location=tools\r\n#name=programs\r\n'
    printf 'code = (do_runwait_s /bin/sh -c "exit 3")\r\n'
    printf '! exit [code]\r\n'
    # Parentheses in a script line are groups; file names carry them escaped as :[ and :].
    printf 'do_runwait_s /usr/bin/touch "a""; touch pwned; "".txt" "$:[touch pwned2:]"\r\n'
    printf 'wait 0.1\r\n'
    printf 'answer = (execute "tools\\inner" from outer)\r\n'
    printf '! answer [answer]\r\n'
    printf 'end script\r\n'
    printf 'script tools\\inner\r\n#location=tools\r\n#name=inner\r\n'
    printf '! inner got [command]\r\nAPP.RETURN 42\r\n'
    printf 'end script\r\n\r\n'
} >"$home/Zerin.ini"

cd "$home"
timeout 30 "$zerin" --home "$home" 'tools\programs' >"$home/out" 2>"$home/err" || fail "exit $?: $(cat "$home/err")"
grep -qx "exit 3" "$home/out" || fail "no exit code in: $(cat "$home/out")"
grep -qx "inner got from outer" "$home/out" || fail "parameters did not arrive: $(cat "$home/out")"
grep -qx "answer 42" "$home/out" || fail "no return value in: $(cat "$home/out")"
[ -e "$home/a\"; touch pwned; \".txt" ] || fail "the quoted name did not arrive whole: $(ls "$home")"
[ -e "$home/\$(touch pwned2)" ] || fail "the second name did not arrive whole: $(ls "$home")"
[ ! -e "$home/pwned" ] && [ ! -e "$home/pwned2" ] || fail "a file name was run as a command"
echo ok
