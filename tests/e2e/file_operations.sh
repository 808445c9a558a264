#!/usr/bin/env bash
# A script copies a small tree, makes a folder, asks what is there and renames, through
# the real binary: the copy is the tree byte for byte with its modes and times, a rename
# never replaces, and the conflict question of a run without a display answers Cancel,
# which ends the script.
set -euo pipefail
zerin=$1
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

src="$home/src/tree"
mkdir -p "$src/sub/deeper" "$home/dst"
printf 'alpha' >"$src/a.txt"
head -c 300000 /dev/urandom >"$src/sub/random.bin"
for n in 'x" "--y' '(do_runwait_s touch PWN).txt' '-rf' 'a:[b' $'new\nline'; do printf '%s' "$n" >"$src/sub/$n"; done
ln -s ../a.txt "$src/sub/link"
chmod 0600 "$src/a.txt"
chmod 0750 "$src/sub"
touch -d '2001-02-03 04:05:06' "$src/a.txt" "$src/sub/random.bin" "$src/sub"

{
    printf '[SCRIPTS]\r\n'
    printf 'script t\\files\r\n#location=t\r\n#name=files\r\n'
    printf 'r = (do_file_copy "%s" "%s")\r\n' "$src" "$home/dst"
    printf '! copy<[r]>\r\n'
    printf 'm = (do_makedir %s)\r\n' "$home/dst/made"
    printf '! made [m]\r\n'
    printf 'm = (do_makedir %s)\r\n' "$home/dst/made"
    printf '! again [m]\r\n'
    printf 'f = (do_is_folder %s)\r\n' "$home/dst/tree"
    printf '! folder [f]\r\n'
    printf 'e = (file.exists %s)\r\n' "$home/dst/tree/a.txt"
    printf '! exists [e]\r\n'
    printf 'n = (do_file_rename %s:%s)\r\n' "$home/dst/tree/a.txt" "$home/dst/tree/b.txt"
    printf '! renamed [n]\r\n'
    printf 'n = (do_file_rename %s:%s)\r\n' "$home/dst/tree/b.txt" "$home/dst/tree/sub/random.bin"
    printf '! refused<[n]>\r\n'
    printf 'r = (do_file_copy "%s" "%s")\r\n' "$src/sub/random.bin" "$home/dst/tree/sub"
    printf '! not reached\r\n'
    printf 'end script\r\n\r\n'
} >"$home/Zerin.ini"

cd "$home"
timeout 30 "$zerin" --home "$home" 't\files' >"$home/out" 2>"$home/err" || fail "exit $?: $(cat "$home/err")"
grep -qx 'copy<>' "$home/out" || fail "copy did not succeed: $(cat "$home/out" "$home/err")"
grep -qx "made $home/dst/made" "$home/out" || fail "no folder made: $(cat "$home/out")"
grep -qx "again false" "$home/out" || fail "an existing folder was not false: $(cat "$home/out")"
grep -qx "folder $home/dst/tree/" "$home/out" || fail "do_is_folder: $(cat "$home/out")"
grep -qx "exists 1" "$home/out" || fail "file.exists: $(cat "$home/out")"
grep -qx "renamed $home/dst/tree/b.txt" "$home/out" || fail "rename: $(cat "$home/out")"
grep -qx 'refused<>' "$home/out" || fail "a rename replaced a file: $(cat "$home/out")"
grep -qF "Error renaming file: $home/dst/tree/b.txt to $home/dst/tree/sub/random.bin" "$home/err" ||
    fail "no rename message: $(cat "$home/err")"
grep -q "not reached" "$home/out" && fail "Cancel did not stop the script"
grep -qF "answered Cancel: Replace" "$home/err" || fail "no conflict question: $(cat "$home/err")"
[ -z "$(find "$home" -name PWN)" ] || fail "a name ran as a command"

# The copy is the tree (a.txt now b.txt), byte for byte, with modes, times and the link.
mv "$home/dst/tree/b.txt" "$home/dst/tree/a.txt"
diff -r --no-dereference "$src" "$home/dst/tree" || fail "the copy differs"
for p in a.txt sub sub/random.bin sub/link 'sub/x" "--y' $'sub/new\nline'; do
    [ "$(stat -c '%a %Y %F' "$src/$p")" = "$(stat -c '%a %Y %F' "$home/dst/tree/$p")" ] ||
        fail "$p: $(stat -c '%a %Y %F' "$src/$p") became $(stat -c '%a %Y %F' "$home/dst/tree/$p")"
done
[ "$(readlink "$home/dst/tree/sub/link")" = ../a.txt ] || fail "the link was not copied as a link"
[ -z "$(find "$home/dst" -name '.zerin-copy-*')" ] || fail "a temporary file was left"
echo ok
