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

status=0
for name in "${targets[@]}"; do
  corpus="$build/corpus/$name"
  mkdir -p "$corpus"
  seeds="tests/fuzz/corpus/$name"
  echo "== $name for ${seconds}s"
  if ! "$build/tests/fuzz/$name" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
      -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$build/$name-" \
      "$corpus" $( [ -d "$seeds" ] && echo "$seeds" ); then
    echo "!! $name found a failure; the input is in $build/$name-*"
    status=1
  fi
done
exit $status
