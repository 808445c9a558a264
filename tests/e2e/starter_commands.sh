#!/usr/bin/env bash
# The starter configuration at work: a first start in an empty program folder writes it,
# and its commands, run from the command line with the panes set, copy, move, measure,
# view, open a terminal and open files on a temporary tree whose names hold blanks,
# parentheses, quotes and leading dashes. Every name arrives whole; nothing in a name runs.
# Without a display the questions answer Cancel: Delete then keeps the files.
set -euo pipefail
zerin=$1
t=$(mktemp -d)
trap '[ -n "${KEEP:-}" ] || rm -rf "$t"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

export HOME="$t/home" XDG_CONFIG_HOME="$t/home/.config" XDG_DATA_HOME="$t/home/.local/share"
mkdir -p "$HOME/.config" "$t/prog" "$t/bin"
printf 'XDG_DOWNLOAD_DIR="$HOME/Hämtat"\nXDG_PICTURES_DIR="/srv/bilder"\n' >"$HOME/.config/user-dirs.dirs"

# Programs the commands start, standing in for the desktop's: each records its arguments.
for p in x-terminal-emulator xdg-open; do
    printf '#!/bin/sh\nprintf "%%s\\0" "$@" >>"%s/%s.args"\n' "$t" "$p" >"$t/bin/$p"
    chmod +x "$t/bin/$p"
done
export PATH="$t/bin:$PATH"

# A first start (offscreen) writes the starter file before the window shows.
QT_QPA_PLATFORM=offscreen timeout 20 "$zerin" --home "$t/prog" >"$t/first.log" 2>&1 &
pid=$!
for _ in $(seq 100); do [ -s "$t/prog/Zerin.ini" ] && break; sleep 0.1; done
sleep 0.5
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
starter="$t/prog/Zerin.ini"
[ -s "$starter" ] || fail "no starter file: $(cat "$t/first.log")"
grep -qx $'left_path='"$HOME"$'/\r' "$starter" || fail "the left pane is not on the home folder"
grep -qx $'right_path='"$HOME"$'/\r' "$starter" || fail "the right pane is not on the home folder"
grep -qx $'path=Downloads::'"$HOME"$'/Hämtat/\r' "$starter" || fail "no Downloads path from user-dirs"
grep -qx $'path=Pictures::/srv/bilder/\r' "$starter" || fail "no Pictures path from user-dirs"
grep -q '@HOME@' "$starter" && fail "a place was left unfilled"
[ "$(grep -c $'^#KEY=F[0-9]*\r$' "$starter")" -ge 8 ] || fail "the F keys are missing"

# run LEFT RIGHT COMMAND: the starter with both panes set, the left one the source with its
# first entry selected, then the stored command.
run() {
    local left=$1 right=$2 command=$3 home="$t/run"
    rm -rf "$home"
    mkdir -p "$home"
    {
        grep -v -e '^left_path=' -e '^right_path=' "$starter"
        printf 'left_path=%s/\r\nright_path=%s/\r\n' "$left" "$right"
        printf 'script t\\run\r\n#location=t\r\n#name=run\r\ndo_list_update 0\r\ndo_list_update 1\r\n'
        printf 'r = (execute "%s")\r\nend script\r\n' "$command"
    } >"$home/Zerin.ini"
    (cd "$t" && DISPLAY= WAYLAND_DISPLAY= timeout 30 "$zerin" --home "$home" 't\run' >"$t/out" 2>"$t/err") ||
        fail "$command: exit $?: $(cat "$t/err")"
}

names=('a (1) b.txt' 'x" "--y' '-rf' '(do_runwait_s touch PWN).txt' 'Tom && Jerry [1]')
for n in "${names[@]}"; do
    mkdir -p "$t/one/$n" "$t/to" "$t/moved"
    printf 'body of %s' "$n" >"$t/one/$n/$n"

    run "$t/one/$n" "$t/to" 'mode\files\menu\f5 copy'
    [ "$(cat "$t/to/$n" 2>/dev/null)" = "body of $n" ] || fail "Copy of $n: $(ls "$t/to") $(cat "$t/err")"
    [ -e "$t/one/$n/$n" ] || fail "Copy removed $n"

    run "$t/one/$n" "$t/moved" 'mode\files\menu\f6 move'
    [ "$(cat "$t/moved/$n" 2>/dev/null)" = "body of $n" ] || fail "Move of $n: $(ls "$t/moved") $(cat "$t/err")"
    [ ! -e "$t/one/$n/$n" ] || fail "Move left $n behind"

    # Without a display the question answers Cancel: nothing goes to the trash.
    run "$t/moved" "$t/to" 'mode\files\menu\f8 delete'
    grep -qF 'answered Cancel: Move to the trash?' "$t/err" || fail "Delete asked nothing: $(cat "$t/err")"
    [ -e "$t/moved/$n" ] || fail "Delete without a yes removed $n"
    rm -f "$t/moved/$n"
done

# A folder is copied whole, and moving onto a name that is there replaces nothing.
mkdir -p "$t/tree/dir (x)/deep" "$t/dst/dir (x)"
printf 'deep' >"$t/tree/dir (x)/deep/f.txt"
run "$t/tree" "$t/dst" 'mode\files\menu\f6 move'
[ -e "$t/tree/dir (x)/deep/f.txt" ] || fail "Move replaced an existing folder"
rm -rf "$t/dst/dir (x)"
run "$t/tree" "$t/dst" 'mode\files\menu\f5 copy'
[ "$(cat "$t/dst/dir (x)/deep/f.txt")" = deep ] || fail "the folder was not copied whole"

# Folder sizes: the listing cache now knows the size of "dir (x)".
run "$t/tree" "$t/dst" 'mode\files\menu\sizes'
grep -qF 'answered Cancel' "$t/err" && fail "Sizes asked something: $(cat "$t/err")"

# The terminal opens in the source pane's folder, which reaches it as one argument.
mkdir -p "$t/term dir (1)"
run "$t/term dir (1)" "$t/to" 'mode\files\menu\terminal'
for _ in $(seq 50); do [ -s "$t/x-terminal-emulator.args" ] && break; sleep 0.1; done
expected=$(printf '%s\0' -e sh -c 'cd -- "$1" || exit; exec "${SHELL:-sh}"' sh "$t/term dir (1)" | od -c)
[ "$(od -c <"$t/x-terminal-emulator.args")" = "$expected" ] ||
    fail "the terminal got: $(od -c <"$t/x-terminal-emulator.args")"

# Open hands every selected file to the desktop's opener, whole.
mkdir -p "$t/open"
printf 'x' >"$t/open/-rf"
run "$t/open" "$t/to" 'barmenu\open'
for _ in $(seq 50); do [ -s "$t/xdg-open.args" ] && break; sleep 0.1; done
printf '%s\0' "$t/open/-rf" | cmp -s - "$t/xdg-open.args" || fail "xdg-open got: $(od -c <"$t/xdg-open.args")"

# Unzip and Extract unpack the selected archive into its folder and replace nothing there.
if command -v zip >/dev/null && command -v unzip >/dev/null; then
mkdir -p "$t/pack" "$t/zip (1)" "$t/tar [2]"
printf 'new' >"$t/pack/kept.txt"
printf 'new' >"$t/pack/fresh.txt"
(cd "$t/pack" && zip -q "$t/zip (1)/-a (1).zip" kept.txt fresh.txt &&
    tar -czf "$t/tar [2]/-b (2).tar.gz" kept.txt fresh.txt) || fail "cannot make the archives"
# The archive is the folder's first entry, and so the selected one.
for d in "zip (1)" "tar [2]"; do printf 'old' >"$t/$d/kept.txt"; done
run "$t/zip (1)" "$t/to" 'barmenu\unzip'
run "$t/tar [2]" "$t/to" 'barmenu\extract'
for d in "zip (1)" "tar [2]"; do
    [ "$(cat "$t/$d/fresh.txt" 2>/dev/null)" = new ] || fail "$d was not unpacked: $(ls "$t/$d") $(cat "$t/err")"
    [ "$(cat "$t/$d/kept.txt")" = old ] || fail "unpacking $d replaced a file"
done
else
    echo "zip or unzip missing: the archive commands are not tried"
fi

# View and Hex read the selected file into the text editor without asking anything, and
# the commands of the other modes run without a word on standard error.
for c in 'mode\files\menu\f3 view' 'mode\files\menu\hex' 'mode\text\menu\file list' \
    'mode\images\menu\f5 slide show' 'mode\images\menu\f5 slide show' 'mode\system\menu\commands' \
    'mode\files\menu\f9 code'; do
    run "$t/open" "$t/to" "$c"
    [ ! -s "$t/err" ] || fail "$c: $(cat "$t/err")"
done

[ -z "$(find "$t" -name 'PWN*')" ] || fail "a name ran as a command"
echo ok
