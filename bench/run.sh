#!/usr/bin/env bash
# Zerin's benchmarks, in one run. Builds nothing: give the build folder that holds the
# zerin binary (default ./build). Each section times Zerin's command-line mode
# (zerin --home DIR 'location\name') against the same work in other interpreters with
# hyperfine, and prints Zerin's time as a ratio of each.
#
#   bench/run.sh [build-dir]
#   PANES_ONLY=1 bench/run.sh [build-dir]   only the file panes' section
#   SCALE_ONLY=1 bench/run.sh [build-dir]   only the section on work that grows with size
#   INTERPRETER_ONLY=1 bench/run.sh [build-dir]  only start-up, loops and compiling
#   SEARCH_ONLY=1 bench/run.sh [build-dir]  only the path box's search over the cache
#   COPY_ONLY=1 bench/run.sh [build-dir]    only the copy section (sizes: COPY_FILES,
#                                           COPY_SMALL_MB, COPY_BIG_MB, COPY_DATA)
#
# Sections are functions named section_*; add a new one and list it in main.
set -euo pipefail

build="${1:-./build}"
zerin="$build/src/zerin"
if [ -z "${PANES_ONLY:-}${SEARCH_ONLY:-}" ]; then
    [ -n "${COPY_ONLY:-}" ] || command -v hyperfine >/dev/null || { echo "hyperfine is needed" >&2; exit 1; }
    [ -x "$zerin" ] || { echo "no zerin binary at $zerin (build the zerin target first)" >&2; exit 1; }
    zerin="$(cd "$(dirname "$zerin")" && pwd)/zerin"
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen
RUNS="${RUNS:-10}"
# What is compared: "cpu" (user + system time, steady on a busy machine) or "mean" (wall
# clock time).
MEASURE="${MEASURE:-cpu}"

# --- helpers -------------------------------------------------------------------------

# add_script LOCATION NAME FILE: stores FILE's lines as the script LOCATION\NAME in the
# Zerin.ini of the benchmark home.
add_script() {
    local location=$1 name=$2 file=$3
    {
        printf 'script %s\\%s\r\n#location=%s\r\n#name=%s\r\n' "$location" "$name" "$location" "$name"
        sed 's/$/\r/' "$file"
        printf 'end script\r\n'
    } >>"$work/scripts.part"
}

write_ini() {
    { printf 'font_size=9\r\n\r\n[SCRIPTS]\r\n'; cat "$work/scripts.part"; printf '\r\n'; } >"$work/Zerin.ini"
}

zerin_cmd() { printf "%q --home %q %q" "$zerin" "$work" "$1"; }

# check NAME EXPECTED COMMAND...: the benchmark only counts when the work was really done.
check() {
    local name=$1 expected=$2
    shift 2
    local got
    got="$("$@" 2>&1 | tr -d '\r' | tail -n 1)"
    if [ "$got" != "$expected" ]; then
        echo "!! $name printed '$got', expected '$expected'" >&2
        exit 1
    fi
}

# time_all LABEL CMD...: hyperfine over the commands; fills MEANS[label/i] (seconds).
declare -A MEANS
time_all() {
    local label=$1
    shift
    local json="$work/$label.json"
    hyperfine -N --warmup 1 --runs "$RUNS" --export-json "$json" "$@" >/dev/null 2>&1 ||
        hyperfine --warmup 1 --runs "$RUNS" --export-json "$json" "$@" >/dev/null
    local i=0
    while read -r mean; do
        MEANS["$label/$i"]=$mean
        i=$((i + 1))
    done < <(python3 -c 'import json,sys
for r in json.load(open(sys.argv[1]))["results"]: print(r[sys.argv[2]] if sys.argv[2] == "mean" else r["user"] + r["system"])' "$json" "$MEASURE")
}

ms() { python3 -c 'import sys; print(f"{float(sys.argv[1])*1000:8.1f} ms")' "$1"; }
ratio() { python3 -c 'import sys; a,b=map(float,sys.argv[1:]); print(f"{a/b:6.2f}x" if b>0 else "   n/a")' "$1" "$2"; }
net() { python3 -c 'import sys; a,b=map(float,sys.argv[1:]); print(max(a-b,1e-6))' "$1" "$2"; }

# report TITLE LABEL: one line per anchor with Zerin's time as a ratio of it, both for the
# whole process and with each program's empty-run start-up taken off.
report() {
    local title=$1 label=$2
    local names=(zerin bash tclsh python3)
    echo "== $title  [$MEASURE time]"
    local z=${MEANS[$label/0]} z0=${MEANS[startup/0]}
    printf '   %-8s %s (without start-up %s)\n' zerin "$(ms "$z")" "$(ms "$(net "$z" "$z0")")"
    for i in 1 2 3; do
        local a=${MEANS[$label/$i]} a0=${MEANS[startup/$i]}
        printf '   %-8s %s   zerin/%-8s %s   without start-up %s\n' "${names[$i]}" "$(ms "$a")" \
            "${names[$i]}" "$(ratio "$z" "$a")" "$(ratio "$(net "$z" "$z0")" "$(net "$a" "$a0")")"
    done
}

# --- section: the interpreter ---------------------------------------------------------

section_interpreter_setup() {
    cat >"$work/empty.zs" <<'ZS'
x = 1
ZS
    cat >"$work/forloop.zs" <<'ZS'
x = 0
FOR i = (1 to 100000 step 1)
x += i
NEXT i
! [x]
ZS
    cat >"$work/doloop.zs" <<'ZS'
n = 0
a = 0
b = 0
do turn
n += 1
if (n > 50000)
a += 1
else
b += 1
endif
loop.until turn (n = 100000)
! [a] [b]
ZS
    # 2,000 lines of branches and loops that compile to jump lines but do little.
    : >"$work/compile.zs"
    for k in $(seq 1 200); do
        cat >>"$work/compile.zs" <<ZS
if (0 = 1)
? never $k
elseif (1 = 2)
? never $k
else
x += 1
endif
do l$k
y += 1
loop.until l$k 1
ZS
    done
    echo '! [x]' >>"$work/compile.zs"
    add_script bench empty "$work/empty.zs"
    add_script bench forloop "$work/forloop.zs"
    add_script bench doloop "$work/doloop.zs"
    add_script bench compile "$work/compile.zs"

    printf ':\n' >"$work/empty.sh"
    printf '' >"$work/empty.tcl"
    printf '' >"$work/empty.py"
    cat >"$work/forloop.sh" <<'SH'
x=0
for ((i = 1; i <= 100000; i++)); do ((x += i)); done
echo "$x"
SH
    cat >"$work/forloop.tcl" <<'TCL'
set x 0
for {set i 1} {$i <= 100000} {incr i} { set x [expr {$x + $i}] }
puts $x
TCL
    cat >"$work/forloop.py" <<'PY'
x = 0
for i in range(1, 100001):
    x += i
print(x)
PY
    cat >"$work/doloop.sh" <<'SH'
n=0 a=0 b=0
for ((;;)); do
    ((n += 1))
    if ((n > 50000)); then ((a += 1)); else ((b += 1)); fi
    ((n == 100000)) && break
done
echo "$a $b"
SH
    cat >"$work/doloop.tcl" <<'TCL'
set n 0; set a 0; set b 0
while 1 {
    incr n
    if {$n > 50000} { incr a } else { incr b }
    if {$n == 100000} break
}
puts "$a $b"
TCL
    cat >"$work/doloop.py" <<'PY'
n = a = b = 0
while True:
    n += 1
    if n > 50000:
        a += 1
    else:
        b += 1
    if n == 100000:
        break
print(a, b)
PY
    # The compile anchors: the same 2,000 lines of branches in each language.
    python3 - "$work" <<'PY'
import sys
w = sys.argv[1]
sh, tcl, py = [], [], ["x = y = 0"]
sh.append("x=0 y=0")
tcl.append("set x 0; set y 0")
for k in range(1, 201):
    sh += ["if ((0 == 1)); then", f"  echo never {k}", "elif ((1 == 2)); then", f"  echo never {k}",
           "else", "  ((x += 1))", "fi", "while :; do", "  ((y += 1))", "  ((1)) && break", "done"]
    tcl += ["if {0 == 1} {", f"  puts {{never {k}}}", "} elseif {1 == 2} {", f"  puts {{never {k}}}",
            "} else {", "  incr x", "}", "while 1 {", "  incr y", "  if {1} break", "}"]
    py += ["if 0 == 1:", f"    print('never {k}')", "elif 1 == 2:", f"    print('never {k}')",
           "else:", "    x += 1", "while True:", "    y += 1", "    if 1:", "        break", ""]
open(f"{w}/compile.sh", "w").write("\n".join(sh + ['echo "$x"']) + "\n")
open(f"{w}/compile.tcl", "w").write("\n".join(tcl + ["puts $x"]) + "\n")
open(f"{w}/compile.py", "w").write("\n".join(py + ["print(x)"]) + "\n")
PY
}

section_interpreter() {
    time_all startup "$(zerin_cmd 'bench\empty')" "bash $work/empty.sh" "tclsh $work/empty.tcl" "python3 $work/empty.py"
    check "zerin forloop" 5000050000 bash -c "$(zerin_cmd 'bench\forloop')"
    check "zerin doloop" "50000 50000" bash -c "$(zerin_cmd 'bench\doloop')"
    check "zerin compile" 200 bash -c "$(zerin_cmd 'bench\compile')"
    check "bash forloop" 5000050000 bash "$work/forloop.sh"
    check "tclsh doloop" "50000 50000" tclsh "$work/doloop.tcl"
    time_all forloop "$(zerin_cmd 'bench\forloop')" "bash $work/forloop.sh" "tclsh $work/forloop.tcl" "python3 $work/forloop.py"
    time_all doloop "$(zerin_cmd 'bench\doloop')" "bash $work/doloop.sh" "tclsh $work/doloop.tcl" "python3 $work/doloop.py"
    time_all compile "$(zerin_cmd 'bench\compile')" "bash $work/compile.sh" "tclsh $work/compile.tcl" "python3 $work/compile.py"
    echo "== start-up (an empty run)"
    local names=(zerin bash tclsh python3)
    for i in 0 1 2 3; do printf '   %-8s %s\n' "${names[$i]}" "$(ms "${MEANS[startup/$i]}")"; done
    report "(a) FOR i = (1 to 100000 step 1) with x += i" forloop
    report "(b) DO/LOOP.UNTIL, 100,000 turns with IF/ELSE inside" doloop
    report "(c) compiling and running a 2,000-line script of branches and loops" compile
}

# --- section: the file panes -----------------------------------------------------------
# pane_bench does the panes' work; find, du, cp and iconv do comparable work in the same run.
# Its data (a 10,000-file folder, a 200,000-file tree) is made once under PANE_DATA.

PANE_DATA="${PANE_DATA:-/dev/shm/zerin-bench}"

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

pane_ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", (b > 0 ? a / b : 0)}'; }

# pane_row NAME OURS_MS ANCHOR_NAME ANCHOR_MS GOAL
pane_row() {
    printf '   %-32s %9s ms   %-18s %9s ms   ratio %5s   goal %s\n' "$1" "$2" "$3" "$4" "$(pane_ratio "$2" "$4")" "$5"
}

section_panes() {
    local bench="$build/bench/pane_bench"
    [ -x "$bench" ] || { echo "no pane_bench at $bench (build the pane_bench target)" >&2; return 1; }
    local flat=$PANE_DATA/flat10k tree=$PANE_DATA/tree200k file=$PANE_DATA/cache/Zerin_Cache.ini
    mkdir -p "$PANE_DATA/cache"
    [ -d "$flat" ] || "$bench" gen-flat "$flat" 10000
    [ -d "$tree" ] || "$bench" gen-tree "$tree" 200000 20000
    echo "== file panes (data in $PANE_DATA, median of $RUNS runs)"

    # (a) a folder of 10,000 files into a pane's listing and items
    find "$flat" -maxdepth 1 -printf '%f\t%s\n' >/dev/null
    local ours anchor
    ours=$(median_ms "$bench" read "$flat")
    anchor=$(median_ms find "$flat" -maxdepth 1 -printf '%f\t%s\n')
    pane_row "(a) read 10,000 files into a pane" "$ours" "find -printf" "$anchor" "<= 1.5"

    # (b) the folder-size walk of 200,000 files in 20,000 folders, warm cache
    du -sb "$tree" >/dev/null
    local one two du
    du=$(median_ms du -sb "$tree")
    one=$(median_ms "$bench" walk "$tree" 1)
    two=$(median_ms "$bench" walk "$tree" 2)
    pane_row "(b) folder-size walk, 1 thread" "$one" "du -sb" "$du" "<= 1.0"
    pane_row "(b) folder-size walk, 2 threads" "$two" "du -sb" "$du" "<= 0.77"
    echo "   walk total $("$bench" walk "$tree" 1) bytes of files; du -sb $(du -sb "$tree" | cut -f1) (du adds the folders' own sizes)"
    echo "   UI thread during the walk: $("$bench" pump "$tree") (goal: no gap above 50 ms)"

    # (c) saving and loading 50,000 folders with 1,000,000 entries
    local out save load bytes kb cp_ms iconv_ms
    out=$("$bench" cache "$file" 50000 1000000)
    save=$(awk '/^save_ms/ {print $2}' <<<"$out")
    load=$(awk '/^load_ms/ {print $2}' <<<"$out")
    bytes=$(awk '/^file_bytes/ {print $2}' <<<"$out")
    kb=$(awk '/^loaded_kb/ {print $2}' <<<"$out")
    cp_ms=$(median_ms cp "$file" "$file.copy")
    iconv_ms=$(median_ms sh -c "iconv -f UTF-16LE -t UTF-8 '$file' | wc -c")
    rm -f "$file.copy"
    pane_row "(c) save cache, $((bytes / 1000000)) MB" "$save" "cp" "$cp_ms" "<= 1.2"
    pane_row "(c) load cache" "$load" "iconv | wc -c" "$iconv_ms" "<= 2.0"
    echo "   loaded cache in memory: $((kb / 1024)) MB for a $((bytes / 1048576)) MB file (ratio $(pane_ratio "$((kb * 1024))" "$bytes"), goal <= 2.0)"

    pane_search_row
}

# (d) of the panes' section, also on its own: SEARCH_ONLY=1 bench/run.sh [build-dir]
pane_search_row() {
    local bench="$build/bench/pane_bench" out
    [ -x "$bench" ] || { echo "no pane_bench at $bench (build the pane_bench target)" >&2; return 1; }
    mkdir -p "$PANE_DATA/cache"
    # A two-word search from the path box over the same 50,000 folders / 1,000,000
    # entries, against grep over one UTF-8 copy of the same text written in this run. Both
    # in CPU time (user + system, the median of the runs), which the other work of a busy
    # machine disturbs least.
    local text=$PANE_DATA/cache/search.txt hits grep_hits search scan first index grep_cpu grep_wall
    out=$("$bench" search "$text" 50000 1000000 blue night)
    search=$(awk '/^search_cpu_ms/ {print $2}' <<<"$out")
    scan=$(awk '/^scan_cpu_ms/ {print $2}' <<<"$out")
    first=$(awk '/^first_ms/ {print $2}' <<<"$out")
    index=$(awk '/^index_ms/ {print $2}' <<<"$out")
    local again
    again=$(awk '/^index_after_change_ms/ {print $2}' <<<"$out")
    hits=$(awk '/^hits/ {print $2}' <<<"$out")
    grep_hits=$(grep -F -i blue "$text" | grep -c -F -i night)
    # The bench adds one matching entry before searching; grep's file has the text before.
    grep_hits=$((grep_hits + 1))
    [ "$hits" = "$grep_hits" ] || { echo "!! search found $hits entries, grep $grep_hits lines" >&2; return 1; }
    grep_cpu=$(SCALE_RUNS=$RUNS median_cpu_ms sh -c "grep -F -i blue '$text' | grep -c -F -i night")
    grep_wall=$(median_ms sh -c "grep -F -i blue '$text' | grep -c -F -i night")
    pane_row "(d) search \"blue night\", $hits hits" "$search" "grep -F -i | grep -c" "$grep_cpu" "<= 1.0"
    echo "   of which the scan $scan ms, the rest the pane's items; grep's wall time $grep_wall ms"
    echo "   first results after $first ms (goal <= 50); the lower-cased copy took $index ms, after one folder changed $again ms"
    rm -f "$text"
}

# --- section: work that grows with its size -------------------------------------------
# Each row runs a script with and without the measured step and takes the difference, so
# that making the variables or the loop itself is not counted. Doubling or multiplying the
# count by ten should scale the time by about the same factor.

SCALE_RUNS="${SCALE_RUNS:-3}"

section_scale_setup() {
    local n
    for n in 10000 100000; do
        printf 'FOR i = (1 to %s step 1)\npublic v[i] = [i]\nNEXT i\n! %s\n' "$n" "$n" >"$work/pub$n.zs"
        printf 'FOR i = (1 to %s step 1)\npublic v[i] = [i]\nNEXT i\npublic.save\n! %s\n' "$n" "$n" >"$work/pubsave$n.zs"
        add_script bench "pub$n" "$work/pub$n.zs"
        add_script bench "pubsave$n" "$work/pubsave$n.zs"
    done
    # do_events lets the window show what was added, so that showing the buttons counts.
    printf 'window Buttons\nFOR i = (1 to 10000 step 1)\nx = [i]\nNEXT i\ndo_events\n! 10000\n' >"$work/nobuttons.zs"
    printf 'window Buttons\nFOR i = (1 to 10000 step 1)\nbutton b[i]\nNEXT i\ndo_events\n! 10000\n' >"$work/buttons.zs"
    add_script bench nobuttons "$work/nobuttons.zs"
    add_script bench buttons "$work/buttons.zs"
}

# median_cpu_ms CMD...: the median CPU time (user + system, of CMD and its children) of
# SCALE_RUNS runs, in ms; steadier than wall time on a machine that is busy elsewhere.
median_cpu_ms() {
    python3 - "$SCALE_RUNS" "$@" <<'PY'
import resource, statistics, subprocess, sys
runs, cmd = int(sys.argv[1]), sys.argv[2:]
times = []
for _ in range(runs):
    before = resource.getrusage(resource.RUSAGE_CHILDREN)
    subprocess.run(cmd, stdout=subprocess.DEVNULL, check=False)
    after = resource.getrusage(resource.RUSAGE_CHILDREN)
    times.append((after.ru_utime - before.ru_utime + after.ru_stime - before.ru_stime) * 1000)
print(f"{statistics.median(times):.1f}")
PY
}

# scale_row TITLE COUNT WITH WITHOUT: the median of each run and the difference.
scale_row() {
    local title=$1 count=$2 with=$3 without=$4 a b
    check "zerin $with" "$count" bash -c "$(zerin_cmd "bench\\$with")"
    a=$(median_cpu_ms bash -c "$(zerin_cmd "bench\\$with")")
    b=$(median_cpu_ms bash -c "$(zerin_cmd "bench\\$without")")
    printf '   %-40s %7s %9s ms   (run %9s ms, without the step %9s ms)\n' "$title" "$count" \
        "$(awk -v a="$a" -v b="$b" 'BEGIN {printf "%.1f", (a > b ? a - b : 0)}')" "$a" "$b"
}

section_scale() {
    echo "== work that grows with its size (median of $SCALE_RUNS runs, CPU time)"
    printf '   %-40s %7s %12s\n' "step" "count" "step's time"
    scale_row "public.save of the public variables" 10000 pubsave10000 pub10000
    scale_row "public.save of the public variables" 100000 pubsave100000 pub100000
    scale_row "adding output-window buttons" 10000 buttons nobuttons
}

# --- section: copying files -----------------------------------------------------------
# do_file_copy of a folder of COPY_FILES small files (COPY_SMALL_MB in all) and of one
# COPY_BIG_MB file, against cp -r of the same data in the same run. The copy engine flushes
# each file to the disk before it takes its name, so cp -r is timed both alone and followed
# by sync. The data is made in a temporary folder under COPY_DATA and removed afterwards.

COPY_FILES="${COPY_FILES:-2000}"
COPY_SMALL_MB="${COPY_SMALL_MB:-1024}"
COPY_BIG_MB="${COPY_BIG_MB:-2048}"
COPY_RUNS="${COPY_RUNS:-2}"

# wall_ms CMD...: the best wall time of COPY_RUNS runs of CMD, with `clear_copy` before each.
wall_ms() {
    local best="" start end t
    for ((i = 0; i < COPY_RUNS; i++)); do
        clear_copy
        sync
        start=$(date +%s%N)
        "$@" >/dev/null
        end=$(date +%s%N)
        t=$(((end - start) / 1000000))
        if [ -z "$best" ] || [ "$t" -lt "$best" ]; then best=$t; fi
    done
    echo "$best"
}

COPY_WORK=""
section_copy() {
    local data
    data="$(mktemp -d "${COPY_DATA:-${TMPDIR:-/var/tmp}}/zerin-copy.XXXXXX")"
    COPY_WORK=$data
    # The data goes with the section, whatever happens to the run.
    trap 'rm -rf "$work" ${COPY_WORK:+"$COPY_WORK"}' EXIT
    mkdir -p "$data/src/small" "$data/src/big" "$data/dst"
    echo "== copying files (data in $data, best of $COPY_RUNS runs, wall time)"
    python3 - "$data/src/small" "$COPY_FILES" "$COPY_SMALL_MB" <<'PY'
import os, sys
folder, count, mb = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
size = mb * 1024 * 1024 // max(count, 1)
block = os.urandom(min(size, 1 << 20) or 1)
for i in range(count):
    sub = os.path.join(folder, f"d{i // 100:03d}")
    os.makedirs(sub, exist_ok=True)
    with open(os.path.join(sub, f"f{i:05d}.bin"), "wb") as f:
        left = size
        while left > 0:
            f.write(block[:left])
            left -= len(block)
PY
    head -c "$((COPY_BIG_MB * 1024 * 1024))" /dev/urandom >"$data/src/big/big.bin"
    clear_copy() { rm -rf "$data/dst" && mkdir -p "$data/dst"; }

    : >"$work/scripts.part"
    printf 'r = (do_file_copy "%s" "%s")
! copy<[r]>
' "$data/src/small" "$data/dst" >"$work/copysmall.zs"
    printf 'r = (do_file_copy "%s" "%s")
! copy<[r]>
' "$data/src/big/big.bin" "$data/dst" >"$work/copybig.zs"
    add_script bench copysmall "$work/copysmall.zs"
    add_script bench copybig "$work/copybig.zs"
    write_ini
    clear_copy
    check "zerin copy" "copy<>" bash -c "$(zerin_cmd 'bench\copysmall')"
    diff -r "$data/src/small" "$data/dst/small" >/dev/null || { echo "!! the copy differs" >&2; exit 1; }

    local row name src zs ours cp cps
    for row in "small:$COPY_FILES files, $COPY_SMALL_MB MB:$data/src/small:copysmall" \
               "big:one file of $COPY_BIG_MB MB:$data/src/big/big.bin:copybig"; do
        IFS=: read -r _ name src zs <<<"$row"
        ours=$(wall_ms bash -c "$(zerin_cmd "bench\\$zs")")
        cp=$(wall_ms cp -r "$src" "$data/dst")
        cps=$(wall_ms sh -c "cp -r '$src' '$data/dst' && sync")
        printf '   %-28s zerin %7s ms   cp -r %7s ms (%5s)   cp -r + sync %7s ms (%5s)   goal <= 1.1\n' \
            "$name" "$ours" "$cp" "$(pane_ratio "$ours" "$cp")" "$cps" "$(pane_ratio "$ours" "$cps")"
    done
    rm -rf "$data"
}

main() {
    if [ -n "${COPY_ONLY:-}" ]; then
        section_copy
        return
    fi
    if [ -n "${PANES_ONLY:-}" ]; then
        section_panes
        return
    fi
    if [ -n "${SEARCH_ONLY:-}" ]; then
        echo "== the path box's search (CPU time, median of $RUNS runs for grep)"
        pane_search_row
        return
    fi
    : >"$work/scripts.part"
    if [ -n "${INTERPRETER_ONLY:-}" ]; then
        section_interpreter_setup
        write_ini
        section_interpreter
        return
    fi
    if [ -n "${SCALE_ONLY:-}" ]; then
        section_scale_setup
        write_ini
        section_scale
        return
    fi
    section_interpreter_setup
    section_scale_setup
    write_ini
    section_interpreter
    section_scale
    section_panes
    section_copy
}

main
