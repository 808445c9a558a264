#!/usr/bin/env bash
# A first start with an empty program folder, on an X screen with a window manager: Zerin
# writes the starter Zerin.ini and opens with it. F7 makes a folder (the name typed into
# the question), F8 moves the selected entry to the freedesktop trash after asking,
# Shift+F6 renames, F1 shows the help window, and closing with Yes saves. The file survives saves and restarts byte for byte: the first
# save, a second start closed with Yes and two command-line saves give it back unchanged. Skipped where Xvfb, openbox or xdotool is missing.
set -euo pipefail
zerin=$1
source "$(dirname "$0")/lib/x_test.sh"
# The home folder's first entry is "Documents" (folders first), where F8 points.
mkdir -p "$HOME/Documents" "$t/prog"
printf 'x' >"$HOME/a (1) old.txt"

cat >"$t/run.sh" <<'INNER'
zerin=$1 t=$2
source "$3"
start_window_manager
session F7 "type:made (1)" Return F8 Return shift+F6 "type:renamed [2]" Return F1 alt+F4
cp "$t/prog/Zerin.ini" "$t/after-first"
session
cp "$t/prog/Zerin.ini" "$t/after-second"
INNER
unset QT_QPA_PLATFORM
timeout 120 xvfb-run -a -s "-screen 0 1280x800x24" bash "$t/run.sh" "$zerin" "$t" "$x_session" || fail "exit $?: $(cat "$t/log")"
grep -q 'still running\|no window' "$t/log" && fail "$(cat "$t/log")"

[ ! -e "$HOME/Documents" ] || fail "F8 did not move Documents away"
[ -d "$HOME/renamed [2]" ] && [ ! -e "$HOME/made (1)" ] || fail "F7 made no folder or Shift+F6 did not rename it: $(ls "$HOME")"
[ -d "$XDG_DATA_HOME/Trash/files/Documents" ] || fail "Documents is not in the trash"
grep -q "^Path=$HOME/Documents$" "$XDG_DATA_HOME/Trash/info/Documents.trashinfo" || fail "no trash info"

first="$t/after-first"
grep -qx $'left_path='"$HOME"$'/\r' "$first" || fail "the saved file lost the left pane: $(head -20 "$first")"
[ "$(grep -c '^script ' "$first")" -ge 40 ] || fail "the saved file lost scripts"
[ -s "$t/as-written" ] || fail "the first start wrote no Zerin.ini"
cmp "$t/as-written" "$first" || fail "the first save changed the starter file: $(diff "$t/as-written" "$first")"
cmp "$first" "$t/after-second" || fail "a restart closed with Yes changed the file: $(diff "$first" "$t/after-second")"

# A save from the command line writes the same bytes again, and so does one more.
for round in 1 2; do
    timeout 30 "$zerin" --home "$t/prog" 'mode\system\menu\save settings' >"$t/out" 2>&1 || fail "save: $(cat "$t/out")"
    cmp "$first" "$t/prog/Zerin.ini" || fail "save $round changed the file: $(diff "$first" "$t/prog/Zerin.ini")"
done
echo ok
