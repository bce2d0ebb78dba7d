#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang under AddressSanitizer and
# UndefinedBehaviorSanitizer and runs each one for a bounded time.
#   scripts/fuzz.sh [seconds per target]     (default 60)
# Exits non-zero when any target crashes, hangs, leaks (settings, tempo map)
# or trips a sanitizer; the reproducer is left in build-fuzz/findings/.
# The dialogue target runs with leak detection off: a fatal exit is thrown
# back to the harness past buffers the program never frees before exiting.
set -euo pipefail
seconds="${1:-60}"
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build-fuzz"

"$root/scripts/need-packages.sh" clang-14 libclang-rt-14-dev libasound2-dev cmake

CXX=clang++-14 cmake -S "$root" -B "$build" -DTIKVANE_FUZZ=ON -DTIKVANE_SANITIZE=ON >/dev/null
cmake --build "$build" -j"$(nproc)" --target fuzz_settings fuzz_tempomap fuzz_dialogue >/dev/null

status=0
for target in settings tempomap dialogue; do
  work="$build/runs/$target"
  findings="$build/findings/$target"
  rm -rf "$work"
  mkdir -p "$work" "$findings"
  options=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=4096
           -print_final_stats=1 -artifact_prefix="$findings/")
  asan="abort_on_error=1"
  if [ "$target" = dialogue ]; then options+=(-detect_leaks=0); asan="$asan:detect_leaks=0"; fi
  echo "== fuzz_$target for ${seconds}s"
  if ASAN_OPTIONS="$asan" UBSAN_OPTIONS=print_stacktrace=1 "$build/fuzz/fuzz_$target" "${options[@]}" "$work" "$root/fuzz/corpus/$target" \
       >"$build/fuzz_$target.log" 2>&1; then
    grep -E '^stat::number_of_executed_units' "$build/fuzz_$target.log" || true
  else
    status=1
    echo "fuzz_$target FAILED; log: $build/fuzz_$target.log; findings: $findings"
    grep -m1 -A20 -E 'ERROR|check failed|runtime error' "$build/fuzz_$target.log" || tail -30 "$build/fuzz_$target.log"
  fi
done
exit "$status"
