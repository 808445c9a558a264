#!/usr/bin/env bash
# Dependencies point one way. Each folder of src/ may include only the folders listed for
# it (its own and those below it); the logic below the views includes no Qt header.
# Prints every include that reaches up and exits non-zero when there is one.
#
#   tests/layers/check_layers.sh [src-folder]
set -uo pipefail
src="${1:-$(dirname "$0")/../../src}"
cd "$src" || exit 2

declare -A allowed=(
  [core]="core"
  [platform]="core platform"
  [script]="core platform script"
  [panes]="core platform script panes"
  [media]="core platform media"
  [commands]="core platform script panes media commands"
  [modes]="core platform script panes media commands modes"
  [app]="core platform script panes media commands modes app ui"
  [ui]="core platform script panes media commands modes app ui"
)
# Folders that may use Qt: the views, the program's start of the window, and the Linux
# services built on Qt.
qt_allowed='^(ui|app|platform/linux)/'

status=0
checked=0
while IFS= read -r file; do
  layer="${file%%/*}"
  [ -n "${allowed[$layer]:-}" ] || { echo "no layer for $file"; status=1; continue; }
  checked=$((checked + 1))
  while IFS=: read -r line target; do
    to="${target%%/*}"
    case " ${allowed[$layer]} " in
      *" $to "*) ;;
      *) echo "$file:$line: $layer includes $target"; status=1 ;;
    esac
  done < <(grep -noE '^#include "[a-z_]+/[^"]+"' "$file" | sed -E 's/:#include "([^"]+)"/:\1/')
  if ! [[ "$file" =~ $qt_allowed ]] && grep -qE '^#include <Q[A-Za-z]*>|^#include <Qt' "$file"; then
    echo "$file: Qt header outside the views"
    status=1
  fi
done < <(find . -name '*.cpp' -o -name '*.h' | sed 's|^\./||' | sort)

if [ $status -eq 0 ]; then
  echo "layers: $checked files, no include reaches a higher layer, no Qt below the views"
fi
exit $status
