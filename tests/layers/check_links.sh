#!/usr/bin/env bash
# What each layer's library needs from outside itself must come from the layers below it
# or from the C and C++ runtime: the language links neither the panes nor Qt, the panes
# link no Qt, and so on up. Reads the static libraries of a build folder with nm.
#
#   tests/layers/check_links.sh BUILD-DIR
set -uo pipefail
build="${1:?build folder}"
lib() { echo "$build/src/libzerin_$1.a"; }

# The layers in order, each with the layers it may use.
layers=(core platform_api script panes media commands modes wiring)
declare -A below=(
  [core]=""
  [platform_api]="core"
  [script]="core platform_api"
  [panes]="core platform_api script"
  [media]="core platform_api"
  [commands]="core platform_api script panes media"
  [modes]="core platform_api script panes media commands"
  [wiring]="core platform_api script panes media commands modes"
)

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# Everything the runtime libraries offer.
runtime=()
for name in libstdc++.so.6 libc.so.6 libm.so.6 libgcc_s.so.1 ld-linux-x86-64.so.2; do
  path="$(ldconfig -p | awk -v n="$name" '$1 == n { print $NF; exit }')"
  [ -n "$path" ] && runtime+=("$path")
done
for r in "${runtime[@]}"; do nm -D --defined-only "$r" 2>/dev/null; done | awk '{ sub(/@.*/, "", $NF); print $NF }' >"$work/runtime"
# Symbols the linker itself provides.
printf '%s\n' __dso_handle _GLOBAL_OFFSET_TABLE_ __ehdr_start >>"$work/runtime"
sort -u -o "$work/runtime" "$work/runtime"

for layer in "${layers[@]}"; do
  [ -f "$(lib "$layer")" ] || { echo "missing $(lib "$layer")"; exit 2; }
  nm --defined-only "$(lib "$layer")" 2>/dev/null | awk 'NF == 3 && $2 != "U" { print $3 }' | sort -u >"$work/$layer.defined"
done

status=0
for layer in "${layers[@]}"; do
  cat "$work/runtime" "$work/$layer.defined" >"$work/offer"
  for b in ${below[$layer]}; do cat "$work/$b.defined" >>"$work/offer"; done
  sort -u -o "$work/offer" "$work/offer"
  nm --undefined-only "$(lib "$layer")" 2>/dev/null | awk '$1 == "U" { print $2 }' | sort -u >"$work/needs"
  comm -23 "$work/needs" "$work/offer" >"$work/missing"
  if [ -s "$work/missing" ]; then
    status=1
    echo "zerin_$layer needs what its layers do not offer:"
    for m in $(head -n 20 "$work/missing"); do
      owner=""
      for other in "${layers[@]}"; do grep -qxF "$m" "$work/$other.defined" && owner="$other"; done
      echo "  $(echo "$m" | c++filt)  ${owner:+(from zerin_$owner)}"
    done
  else
    echo "zerin_$layer links only: ${below[$layer]:-nothing} and the C/C++ runtime"
  fi
done
exit $status
