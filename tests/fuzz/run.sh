#!/usr/bin/env bash
# Builds the libFuzzer targets with clang, AddressSanitizer and UndefinedBehaviorSanitizer
# into build-fuzz and runs each for a bounded time. Usage: tests/fuzz/run.sh [seconds-each]
set -euo pipefail

seconds="${1:-60}"
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="$root/build-fuzz"
cd "$root"

targets=()
for src in tests/fuzz/fuzz_*.cpp; do
  targets+=("$(basename "$src" .cpp)")
done

cmake -S . -B "$build" -G Ninja \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link" \
  -DZERIN_SANITIZE=ON -DZERIN_FUZZ=ON \
  -DZERIN_BUILD_UI=OFF -DZERIN_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j"${JOBS:-2}" --target "${targets[@]}"

# Each target's output goes to its own log; only the verdicts are printed, and the log of
# a failing target last, so that the end of the output says what went wrong.
status=0
failed=()
for name in "${targets[@]}"; do
  corpus="$build/corpus/$name"
  mkdir -p "$corpus"
  seeds="tests/fuzz/corpus/$name"
  log="$build/$name.log"
  if "$build/tests/fuzz/$name" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
      -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$build/$name-" \
      "$corpus" $( [ -d "$seeds" ] && echo "$seeds" ) >"$log" 2>&1; then
    echo "== $name: $(grep -m1 -o 'number_of_executed_units: *[0-9]*' "$log" | tr -s ' ') in ${seconds}s, no failure"
  elif grep -q -E 'ERROR: libFuzzer: (timeout|out-of-memory)' "$log"; then
    # A slow input on a loaded machine (the line budget bounds every run, but not the
    # cost of one line) is worth a look, not a red build.
    echo "?? $name: an input ran past the time or memory bound; it is in $build/$name-*"
    grep -m3 -E 'ERROR: libFuzzer|Test unit written' "$log" || true
  else
    echo "!! $name found a failure; the input is in $build/$name-*"
    failed+=("$name")
    status=1
  fi
done
for name in "${failed[@]}"; do
  echo "---- $name, end of its log"
  grep -v -E '^#[0-9]+' "$build/$name.log" | tail -n 60
done
exit $status
