#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ (the settings reader, the tempo map
# parser, the console's word and number reader, the WAV chunk walker) with
# clang under AddressSanitizer and UndefinedBehaviorSanitizer, and runs each
# one for a bounded time on its seeds in fuzz/corpus/.
#   scripts/fuzz.sh [seconds per target]     (default 60)
# Exits non-zero when any target crashes, hangs, leaks, trips a sanitizer
# or finds a broken promise; the reproducer is left in build-fuzz/findings/.
set -euo pipefail
seconds="${1:-60}" root="$(cd "$(dirname "$0")/.." && pwd)"; build="$root/build-fuzz" status=0
"$root/scripts/need-packages.sh" clang-14 libclang-rt-14-dev libasound2-dev cmake
CXX=clang++-14 cmake -S "$root" -B "$build" -DTIKVANE_FUZZ=ON -DTIKVANE_SANITIZE=ON >/dev/null
cmake --build "$build" -j"$(nproc)" --target fuzz_settings fuzz_tempomap fuzz_input fuzz_chunks >/dev/null
for target in settings tempomap input chunks; do
  work="$build/runs/$target" findings="$build/findings/$target/" log="$build/fuzz_$target.log"
  rm -rf "$work"; mkdir -p "$work" "$findings"; echo "== fuzz_$target for ${seconds}s"
  ASAN_OPTIONS=abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 "$build/fuzz/fuzz_$target" \
    -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=4096 -print_final_stats=1 \
    -artifact_prefix="$findings" "$work" "$root/fuzz/corpus/$target" > "$log" 2>&1 &&
    grep -E '^stat::(number_of_executed_units|average_exec_per_sec)' "$log" && continue
  status=1; echo "fuzz_$target FAILED; log: $log; findings: $findings"
  grep -m1 -A20 -E 'ERROR|check failed|runtime error' "$log" || tail -30 "$log"
done
exit "$status"
