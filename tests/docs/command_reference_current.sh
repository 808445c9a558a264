#!/usr/bin/env bash
# docs/commands.md is generated from the command table; fails when the committed page is
# not what the generator prints now (a command, usage or summary changed without it).
#
#   tests/docs/command_reference_current.sh MAKE_COMMAND_REFERENCE DOCS/commands.md
set -uo pipefail
tool="${1:?path of make_command_reference}"
page="${2:?path of docs/commands.md}"
fix="regenerate it: ninja -C build make_command_reference && build/tools/make_command_reference > docs/commands.md"

[ -x "$tool" ] || { echo "FAIL: $tool is not built; build the target make_command_reference"; exit 1; }
[ -f "$page" ] || { echo "FAIL: $page is missing; $fix"; exit 1; }
fresh="$(mktemp)"
trap 'rm -f "$fresh"' EXIT
"$tool" >"$fresh" || { echo "FAIL: $tool ended with an error"; exit 1; }
if ! diff -u "$page" "$fresh"; then
  echo "FAIL: $page is out of date with the command table; $fix"
  exit 1
fi
echo "OK: $page matches the command table"
