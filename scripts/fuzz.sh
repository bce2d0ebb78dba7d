#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ (the settings reader, the tempo map
# parser, the console's word and number reader, the WAV chunk walker) with
# clang under AddressSanitizer and UndefinedBehaviorSanitizer, and runs each
# one on its seeds in fuzz/corpus/ for a given number of executions.
#   scripts/fuzz.sh [executions per target]     (default 1000000)
# Exits non-zero when any target crashes, hangs, leaks, trips a sanitizer,
# finds a broken promise or ends short of its executions (it may take 15
# minutes at most); the reproducer is left in build-fuzz/findings/.
set -euo pipefail
runs="${1:-1000000}" root="$(cd "$(dirname "$0")/.." && pwd)"; build="$root/build-fuzz" status=0
"$root/scripts/need-packages.sh" clang-14 libclang-rt-14-dev libasound2-dev cmake
CXX=clang++-14 cmake -S "$root" -B "$build" -DTIKVANE_FUZZ=ON -DTIKVANE_SANITIZE=ON >/dev/null
targets=(settings tempomap input chunks)
cmake --build "$build" -j"$(nproc)" --target "${targets[@]/#/fuzz_}" >/dev/null
for target in "${targets[@]}"; do
  work="$build/runs/$target" findings="$build/findings/$target/" log="$build/fuzz_$target.log"
  rm -rf "$work"; mkdir -p "$work" "$findings"; echo "== fuzz_$target for $runs executions"
  ASAN_OPTIONS=abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 "$build/fuzz/fuzz_$target" \
    -runs="$runs" -max_total_time=900 -timeout=10 -rss_limit_mb=2048 -max_len=4096 -print_final_stats=1 \
    -artifact_prefix="$findings" "$work" "$root/fuzz/corpus/$target" > "$log" 2>&1 &&
    grep -E '^stat::(number_of_executed_units|average_exec_per_sec)' "$log" &&
    awk -v runs="$runs" '/^stat::number_of_executed_units/ { n = $2 } END { exit !(n >= runs) }' "$log" && continue
  status=1; echo "fuzz_$target FAILED; log: $log; findings: $findings"
  grep -m1 -A20 -E 'ERROR|check failed|runtime error' "$log" || tail -30 "$log"
done
exit "$status"
