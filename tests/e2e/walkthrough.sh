#!/usr/bin/env bash
# A newcomer's first session, by keys only, on an X screen with a window manager: the first
# start in an empty program folder opens the starter configuration on the home folder.
# Enter goes into the "work" folder, Home and Shift+End select its three files, F5 copies
# them into the other pane's folder (the home folder), Shift+F6 renames one, F7 makes a
# folder, F8 moves one file to the trash after the question. Closing with Yes and starting
# again finds the same folder and files. Skipped where Xvfb, openbox, xdotool or gio is
# missing.
set -euo pipefail
zerin=$1
source "$(dirname "$0")/lib/x_test.sh"
mkdir -p "$HOME/work" "$t/prog"
printf 'one' >"$HOME/work/one.txt"
printf 'two' >"$HOME/work/two (2).txt"
printf 'three' >"$HOME/work/three [3].txt"

cat >"$t/run.sh" <<'INNER'
zerin=$1 t=$2
source "$3"
start_window_manager
session Return Home shift+End F5 \
        Home shift+F6 "type:first renamed.txt" Return \
        F7 "type:new (dir)" Return \
        End F8 Return
cp "$t/prog/Zerin.ini" "$t/after-first"
session
cp "$t/prog/Zerin.ini" "$t/after-second"
INNER
unset QT_QPA_PLATFORM
timeout 150 xvfb-run -a -s "-screen 0 1280x800x24" bash "$t/run.sh" "$zerin" "$t" "$x_session" ||
    fail "exit $?: $(cat "$t/log")"
grep -q 'still running\|no window' "$t/log" && fail "$(cat "$t/log")"

listing() { (cd "$1" && find . -mindepth 1 | sort | tr '\n' '|'); }
# F5: the three files, byte for byte, in the home folder.
for f in one.txt "two (2).txt" "three [3].txt"; do
    [ -f "$HOME/$f" ] || fail "F5 did not copy $f: $(listing "$HOME")"
done
[ "$(cat "$HOME/one.txt")$(cat "$HOME/two (2).txt")$(cat "$HOME/three [3].txt")" = onetwothree ] || fail "copies differ"
# Shift+F6, F7 and F8 in the work folder.
[ "$(listing "$HOME/work")" = "./first renamed.txt|./new (dir)|./three [3].txt|" ] ||
    fail "the work folder holds: $(listing "$HOME/work")"
[ "$(cat "$HOME/work/first renamed.txt")" = one ] || fail "the renamed file lost its content"
[ -f "$XDG_DATA_HOME/Trash/files/two (2).txt" ] || fail "two (2).txt is not in the trash: $(listing "$XDG_DATA_HOME" 2>&1)"
# The second start came back in the work folder and changed nothing.
grep -qx $'left_path='"$HOME"$'/work/\r' "$t/after-first" || fail "the left pane was not saved in work: $(grep _path "$t/after-first")"
cmp "$t/after-first" "$t/after-second" || fail "the restart changed the settings: $(diff "$t/after-first" "$t/after-second")"
[ "$(listing "$HOME/work")" = "./first renamed.txt|./new (dir)|./three [3].txt|" ] || fail "the restart changed the files"
echo ok
