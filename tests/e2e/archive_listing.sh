#!/usr/bin/env bash
# Archives made here with zip (without folder entries), bsdtar and 7z are listed into a
# pane through the real binary and the archiver beside it: the pane shows the top level,
# with "docs" as a folder although only docs/b.txt is in the zip, and the technical
# listing keeps its columns. An archiver that never ends is stopped after 10 seconds with
# the message, and the pane shows the archive's folder instead.
set -euo pipefail
zerin=$1
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
for tool in zip bsdtar 7z; do command -v $tool >/dev/null || fail "$tool is needed to make the test archives"; done
[ -x "$(dirname "$zerin")/zerin-archiver" ] || fail "no zerin-archiver beside $zerin"

src="$home/src"
mkdir -p "$src/docs/deep"
printf 'alpha' >"$src/a.txt"
printf 'b' >"$src/docs/b.txt"
printf 'c' >"$src/docs/deep/c.txt"
printf 'odd' >"$src/(do_runwait_s touch PWN) 'q\".txt"
(cd "$src" && zip -qrD "$home/t.zip" . && bsdtar -czf "$home/t.tar.gz" . && 7z a -bd -bso0 "$home/t.7z" .)

# run ARCHIVE [ARCHIVER]: lists ARCHIVE into pane 0 and prints the first item and the path.
run() {
    {
        printf 'left_path=%s\r\n' "$1"
        [ -n "${2:-}" ] && printf 'archiver=%s\r\n' "$2"
        printf '[SCRIPTS]\r\nscript t\\list\r\n#location=t\r\n#name=list\r\n'
        printf 'do_list_update 0\r\n! first<(source_selected)>\r\n! path<(source_path)>\r\nend script\r\n\r\n'
    } >"$home/Zerin.ini"
    (cd "$home" && timeout 30 "$zerin" --home "$home" 't\list' >"$home/out" 2>"$home/err") || fail "exit $?: $(cat "$home/err")"
}

for archive in t.zip t.tar.gz t.7z; do
    run "$home/$archive"
    grep -qF "first<$home/$archive/docs/" "$home/out" || fail "$archive: $(cat "$home/out" "$home/err")"
    grep -qE "^path<$home/$archive ?>$" "$home/out" || fail "$archive path: $(cat "$home/out")"
    listing="$home/rarlisttechnical.txt"
    for name in a.txt docs/b.txt docs/deep/c.txt "(do_runwait_s touch PWN) 'q\".txt"; do
        grep -qxF " $name" "$listing" || fail "$archive: no name line for $name: $(cat "$listing")"
    done
    # Every detail line: "% " at 36-37, ":" at 49; a.txt's size in the first 23 characters.
    awk '/^ a.txt$/ {getline d; if (substr(d, 36, 2) != "% " || substr(d, 49, 1) != ":" || d + 0 != 5) exit 1}' \
        "$listing" || fail "$archive: columns: $(cat "$listing")"
    [ -z "$(find "$home" -name PWN)" ] || fail "a name ran as a command"
done
grep -q '^ docs$' "$home/rarlisttechnical.txt" || fail "7z keeps its folder entries: $(cat "$home/rarlisttechnical.txt")"

# An archiver that hangs: stopped after 10 seconds, and the pane shows the folder.
printf '#!/bin/sh\necho $$ >"%s/hang.pid"\nexec sleep 60\n' "$home" >"$home/hang.sh"
chmod +x "$home/hang.sh"
start=$(date +%s)
run "$home/t.zip" "$home/hang.sh"
took=$(($(date +%s) - start))
grep -qF "the archiver did not finish within 10 seconds" "$home/err" || fail "no timeout message: $(cat "$home/err")"
grep -qE "^path<$home ?>$" "$home/out" || fail "not back in the folder: $(cat "$home/out")"
[ "$took" -ge 10 ] && [ "$took" -lt 25 ] || fail "the wait took $took s"
pid=$(cat "$home/hang.pid")
sleep 0.2
# Gone, or a zombie waiting for whoever adopted it to reap it: it runs no more.
state=$(awk '{print $3}' "/proc/$pid/stat" 2>/dev/null || true)
[ -z "$state" ] || [ "$state" = Z ] || fail "the archiver was left running (state $state)"
echo ok
