#!/usr/bin/env bash
# A command-line run that saves the folder-size database keeps every folder the file
# already held: it scans one folder and the 1,098 folders listed before are still there,
# the scanned one with its fresh listing. A name holding a line break never turns into
# invented entries after the save.
set -euo pipefail
zerin=$1
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

data="$home/data"
mkdir -p "$data/one/inner" "$data/two"
printf 'hello' >"$data/one/a.txt"
printf 'x' >"$data/one/inner/b.txt"
: >"$data/one/$(printf 'cr\rx')"
: >"$data/one/$(printf 'lf\nnew')"

# The user's database: 1,098 folders, and a stale record of the folder about to be scanned.
to_utf16() { printf '\xff\xfe'; iconv -f UTF-8 -t UTF-16LE; }
{
    for i in $(seq 1 1098); do
        printf 'CL:/archive/folder %04d/\r\n%d,file %d.txt\r\n0,sub/\r\n\r\n' "$i" "$i" "$i"
    done
    printf 'CL:%s/one/\r\n99,gone.txt\r\n\r\n' "$data"
} | to_utf16 >"$home/Zerin_Cache.ini"

{
    printf 'left_path=%s/\r\n\r\n[SCRIPTS]\r\n' "$data"
    printf 'script t\\scan\r\n#location=t\r\n#name=scan\r\n'
    printf 'do_list_update 0\r\n'
    printf 'do_scanselected\r\n'
    printf 'end script\r\n\r\n'
} >"$home/Zerin.ini"

timeout 30 "$zerin" --home "$home" 't\scan' >"$home/out" 2>"$home/err" || fail "exit $?: $(cat "$home/err")"
grep -q "^Scanning.*$data/one/" "$home/out" || fail "the first folder was not scanned: $(cat "$home/out")"

# one/, one/inner/ and data/ itself come from this run; nothing else was new.
grep -qx 'Database saved - 1101 folders' "$home/out" || fail "saved: $(cat "$home/out")"
iconv -f UTF-16LE -t UTF-8 <(tail -c +3 "$home/Zerin_Cache.ini") | tr -d '\r' >"$home/cache.txt"
for i in $(seq 1 1098); do
    printf 'CL:/archive/folder %04d/\n' "$i"
done >"$home/expected"
grep '^CL:/archive/' "$home/cache.txt" >"$home/kept"
cmp -s "$home/expected" "$home/kept" || fail "earlier folders lost: $(diff "$home/expected" "$home/kept" | head)"
grep -qx '1098,file 1098.txt' "$home/cache.txt" || fail "a record's body changed"

# The scanned folder has its new listing, once.
[ "$(grep -cx "CL:$data/one/" "$home/cache.txt")" -eq 1 ] || fail "the scanned folder is not there once"
grep -qx '5,a.txt' "$home/cache.txt" || fail "the fresh listing is missing"
! grep -q 'gone.txt' "$home/cache.txt" || fail "the stale listing of the scanned folder was kept"
# The names with a CR or an LF are left out whole: no "x" or "new" entry appears.
! grep -qE '^(x|new)$|^cr|^lf|,x$|,new$' "$home/cache.txt" || fail "a line break made entries: $(grep -nE 'x$|new$|cr|lf' "$home/cache.txt")"

# A second run reads the file it wrote and shrinks nothing.
timeout 30 "$zerin" --home "$home" 't\scan' >"$home/out2" 2>"$home/err" || fail "second run: $(cat "$home/err")"
grep -qx 'Database saved - 1101 folders' "$home/out2" || fail "second save: $(cat "$home/out2")"
echo ok
