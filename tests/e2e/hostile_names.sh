#!/usr/bin/env bash
# Names from the file system are data: listed, printed, stored or handed to a program,
# nothing in them runs, and a program gets each name whole, byte for byte.
set -euo pipefail
zerin=$1
record=$2
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

files="$home/files"
evil="$home/evil (do_runwait_s touch PWN2)"
mkdir -p "$files" "$evil" "$home/cwd"
names=('holiday (do_runwait_s touch PWN1).jpg' 'Photo (1).jpg' 'x" "--injected' 'a:[b:]c' '-rf' 'Tom && Jerry' '[command]')
for n in "${names[@]}"; do : >"$files/$n"; done

{
    printf 'left_path=%s/\r\n\r\n[SCRIPTS]\r\n' "$evil"
    printf 'script t\\demo\r\n#location=t\r\n#name=demo\r\n'
    printf 'list = (dir$ %s)\r\n' "$files"
    printf '! [list]\r\n'
    printf 'do_runwait_s %s %s [list]\r\n' "$record" "$home/listed"
    printf 'p = (source_path)\r\n'
    printf '! [p]\r\n'
    printf '? (source_path)\r\n'
    printf 'do_runwait_s %s %s "[p]"\r\n' "$record" "$home/path"
    printf '? args [command]\r\n'
    printf 'end script\r\n\r\n'
} >"$home/Zerin.ini"

cd "$home/cwd"
timeout 30 "$zerin" --home "$home" '"t\demo"' x >"$home/out" 2>"$home/err" || fail "exit $?: $(cat "$home/err")"

# The argument text of a command-line run is data too.
timeout 30 "$zerin" --home "$home" 't\demo' '(do_runwait_s touch PWN3) cls [p]' >"$home/out3" 2>&1 || fail "exit $?: $(cat "$home/out3")"
grep -qxF 'args (do_runwait_s touch PWN3) cls [p]' "$home/out3" || fail "the argument text changed: $(cat "$home/out3")"

found=$(find "$home" -name 'PWN*' -not -path "$evil" -not -path "$files/*")
[ -z "$found" ] || fail "a name was run as a command: $found"

# Every listed name reached the program as one argument, as it is on disk.
expected=$(printf '%s\n' "${names[@]}" | sort)
got=$(tr '\0' '\n' <"$home/listed" | sort)
[ "$got" = "$expected" ] || fail "the program got: $(od -c "$home/listed" | head -20)"
[ "$(tr -cd '\0' <"$home/listed" | wc -c)" -eq "${#names[@]}" ] || fail "not one argument per name"
printf '%s\0' "$evil" | cmp -s - "$home/path" || fail "the pane folder arrived as: $(od -c "$home/path")"

# What is printed shows the names as they are; the quoted identifier found the script
# and its argument text followed it.
grep -qF "\"holiday (do_runwait_s touch PWN1).jpg\"" "$home/out" || fail "listing not printed: $(cat "$home/out")"
grep -qF '"x"" ""--injected"' "$home/out" || fail "inner quote not doubled: $(cat "$home/out")"
[ "$(grep -cF "$evil" "$home/out")" -eq 2 ] || fail "the pane folder was not printed whole: $(cat "$home/out")"
grep -qx 'args x' "$home/out" || fail "the quoted identifier did not run the script: $(cat "$home/out")"
echo ok
