#!/usr/bin/env bash
# Refreshes docs/screenshots/first-start.png: Zerin's first start with an empty program
# folder (so it writes and opens the starter configuration) on a 1280 x 800 virtual
# screen with a window manager, in a sample home folder. Needs xvfb, openbox, imagemagick.
set -euo pipefail
cd "$(dirname "$0")/.."
out=$PWD/docs/screenshots/first-start.png
t=$(mktemp -d)
trap 'rm -rf "$t"' EXIT
export HOME="$t/home" XDG_CONFIG_HOME="$t/config" XDG_CACHE_HOME="$t/cache" XDG_DATA_HOME="$t/data"
mkdir -p "$HOME"/{Desktop,Documents,Downloads,Music,Pictures,Videos} "$t/prog"
printf 'Shopping list\n' >"$HOME/notes.txt"
head -c 2400000 /dev/zero >"$HOME/Pictures/holiday (1).jpg"
head -c 180000 /dev/zero >"$HOME/report 2026.pdf"
head -c 4200000 /dev/zero >"$HOME/Downloads/photos.zip"
cat >"$t/shot.sh" <<INNER
openbox >/dev/null 2>&1 &
sleep 1
"$PWD/build/src/zerin" --home "$t/prog" >"$t/log" 2>&1 &
xdotool search --sync --onlyvisible --name '^Zerin\$' >/dev/null 2>&1 || sleep 3
sleep "\${ZERIN_SCREENSHOT_WAIT:-2}"
import -window root "$out"
INNER
xvfb-run -a -s "-screen 0 1280x800x24" bash "$t/shot.sh"
echo "$out refreshed"
