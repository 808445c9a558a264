#!/usr/bin/env bash
# Runs Zerin's benchmarks with their anchors (standard tools doing comparable work) in the
# same run, so that the ratios hold on whatever machine runs them.
#
#   bench/run.sh [section...]        sections: panes (default: all)
#   BUILD_DIR=build  BENCH_DATA=/dev/shm/zerin-bench  RUNS=7
#
# Each section is a function section_NAME; add yours below and to ALL_SECTIONS.
set -euo pipefail

ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD_DIR=${BUILD_DIR:-$ROOT/build}
BENCH_DATA=${BENCH_DATA:-/dev/shm/zerin-bench}
RUNS=${RUNS:-7}
ALL_SECTIONS=(panes)

mkdir -p "$BENCH_DATA"

# median_ms CMD...: the median wall time of RUNS runs of CMD (output discarded), in ms.
median_ms() {
    local times=() start end
    for ((i = 0; i < RUNS; i++)); do
        start=$(date +%s%N)
        "$@" >/dev/null
        end=$(date +%s%N)
        times+=($(((end - start) / 1000)))
    done
    printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END {printf "%.1f", a[int((NR+1)/2)]/1000}'
}

ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", (b > 0 ? a / b : 0)}'; }

# row NAME OURS_MS ANCHOR_NAME ANCHOR_MS GOAL
row() { printf '  %-34s %9s ms   %-22s %9s ms   ratio %5s   goal %s\n' "$1" "$2" "$3" "$4" "$(ratio "$2" "$4")" "$5"; }

section_panes() {
    local bench=$BUILD_DIR/bench/pane_bench
    [[ -x $bench ]] || { echo "build pane_bench first (cmake --build $BUILD_DIR --target pane_bench)"; return 1; }
    local flat=$BENCH_DATA/flat10k tree=$BENCH_DATA/tree200k file=$BENCH_DATA/cache/Zerin_Cache.ini
    echo "== panes (data in $BENCH_DATA, $RUNS runs, median)"
    [[ -d $flat ]] || "$bench" gen-flat "$flat" 10000
    [[ -d $tree ]] || "$bench" gen-tree "$tree" 200000 20000
    mkdir -p "$(dirname "$file")"

    # (a) a folder of 10,000 files into a pane's listing and items
    find "$flat" -maxdepth 1 -printf '%f\t%s\n' >/dev/null
    local ours anchor
    ours=$(median_ms "$bench" read "$flat")
    anchor=$(median_ms find "$flat" -maxdepth 1 -printf '%f\t%s\n')
    row "read 10,000 files into a pane" "$ours" "find -printf %f %s" "$anchor" "<= 1.5"

    # (b) the folder-size walk of 200,000 files in 20,000 folders, warm cache
    du -sb "$tree" >/dev/null
    local one two du
    du=$(median_ms du -sb "$tree")
    one=$(median_ms "$bench" walk "$tree" 1)
    two=$(median_ms "$bench" walk "$tree" 2)
    row "folder-size walk, 1 thread" "$one" "du -sb" "$du" "<= 1.0"
    row "folder-size walk, 2 threads" "$two" "du -sb" "$du" "<= 0.77 (1.3x faster)"
    echo "  sizes: ours $("$bench" walk "$tree" 1) bytes of files; du -sb $(du -sb "$tree" | cut -f1) (du adds folder sizes)"
    echo "  UI thread during the walk: $("$bench" pump "$tree")   goal: gap <= 50 ms"

    # (c) saving and loading 50,000 folders with 1,000,000 entries
    local out save load bytes kb
    out=$("$bench" cache "$file" 50000 1000000)
    save=$(awk '/^save_ms/ {print $2}' <<<"$out")
    load=$(awk '/^load_ms/ {print $2}' <<<"$out")
    bytes=$(awk '/^file_bytes/ {print $2}' <<<"$out")
    kb=$(awk '/^loaded_kb/ {print $2}' <<<"$out")
    local cp_ms iconv_ms
    cp_ms=$(median_ms cp "$file" "$file.copy")
    iconv_ms=$(median_ms sh -c "iconv -f UTF-16LE -t UTF-8 '$file' | wc -c")
    rm -f "$file.copy"
    row "save cache ($((bytes / 1000000)) MB UTF-16)" "$save" "cp" "$cp_ms" "<= 1.2"
    row "load cache" "$load" "iconv | wc -c" "$iconv_ms" "<= 2.0"
    echo "  loaded cache in memory: $((kb / 1024)) MB for a $((bytes / 1048576)) MB file (ratio $(ratio "$((kb * 1024))" "$bytes"), goal <= 2.0)"
}

sections=("$@")
[[ ${#sections[@]} -gt 0 ]] || sections=("${ALL_SECTIONS[@]}")
for s in "${sections[@]}"; do
    "section_$s"
done
