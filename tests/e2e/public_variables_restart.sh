#!/usr/bin/env bash
# The shipped examples/Zerin.ini with two scripts added: one stores public variables and
# saves (public.save, do_default_save); the other, run by a new start, prints them and
# saves what it read, twice. Every value comes back as it was, and the user's lines of
# the file are still there.
set -euo pipefail
zerin=$1
here=$(cd "$(dirname "$0")" && pwd)
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

store=(
    '#location=test' '#name=store'
    'public v.blank = 1'
    'public v.plain =dom_file'
    'public v.empty ='
    'public v.groups =:[x:] and :[1 + 2:]'
    'public v.nothing = do nothing now'
    'public.save'
    'do_default_save'
)
# A group's value is followed by a blank where it stands, so each prints as "<" value " >".
show=(
    '#location=test' '#name=show'
    '? <(do_get v.blank)>'
    '? <(do_get v.plain)>'
    '? <(do_get v.empty)>'
    '? <(do_get v.groups)>'
    '? <(do_get v.nothing)>'
    'public.save'
    'do_default_save'
)
{
    cat "$here/../../examples/Zerin.ini"
    printf '\r\nscript test\\store\r\n'
    printf '%s\r\n' "${store[@]}"
    printf 'end script\r\n\r\nscript test\\show\r\n'
    printf '%s\r\n' "${show[@]}"
    printf 'end script\r\n'
} >"$home/Zerin.ini"

timeout 30 "$zerin" --home "$home" 'test\store' >"$home/out" 2>"$home/err" || fail "store: exit $?; $(cat "$home/err")"
[ ! -s "$home/out" ] || fail "store printed: $(cat "$home/out")"
for line in 'modecmd=Media::Interval::do_image_interval' 'modecmd=Media::Time::do_vlc_playtime' \
    'modecmd=Media::Position::do_vlc_slider'; do
    grep -qF "$line"$'\r' "$home/Zerin.ini" || fail "saved file lost: $line"
done
onload=$(awk '/^script on\\load\r$/ {on = 1} on {print} /^end script\r$/ {on = 0}' "$home/Zerin.ini" | tr -d '\r')
expected_onload=$'script on\\load\n#NAME=load\n#LOCATION=on\npublic do.mode = dom_system\npublic v.blank = 1\npublic v.plain =dom_file\npublic v.empty =\npublic v.groups =:[x:] and :[1 + 2:]\npublic v.nothing = do nothing now\n\nend script'
[ "$onload" = "$expected_onload" ] || fail "on\\load was:"$'\n'"$onload"

for start in 1 2; do
    timeout 30 "$zerin" --home "$home" 'test\show' >"$home/out" 2>"$home/err" || fail "show: exit $?; $(cat "$home/err")"
    expected=$'< 1 >\n<dom_file >\n< >\n<(x) and (1 + 2) >\n< do nothing now >'
    [ "$(cat "$home/out")" = "$expected" ] || fail "start $start printed:"$'\n'"$(cat "$home/out")"
done
echo ok
