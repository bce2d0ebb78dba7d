#!/usr/bin/env bash
# Cost of playback, measured by hand (never from the test suite).
#
# 1. CPU time of `ptm` playing a 30-minute tempo map at 44100 Hz and 16 bits
#    through the `null` PCM, against `aplay -D null` playing a WAV file of the
#    very same stream (captured first through alsa-lib's file plugin). The
#    null PCM does not pace, so both run as fast as they can.
# 2. Peak resident memory of `ptm` for a 1-minute and a 60-minute map: the
#    beat is never expanded into a track, so the two should match.
#
# Usage: bench/play_bench.sh [tries] [batch]
#   (default 3 tries of 20 back-to-back runs each; the fastest try counts)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-3}
batch=${2:-20}
"$top/scripts/need-packages.sh" cmake g++ make libasound2-dev \
  alsa-utils sox time

build="$top/build-bench"
cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=Release -DTIKVANE_TESTS=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target tikvane >/dev/null
bin="$build/tikvane"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cat >"$work/.asoundrc" <<EOF
pcm.cap {
  type file
  slave.pcm "null"
  file "|cat >> $work/stream.raw"
  format "raw"
}
EOF

# A map of `minutes` minutes: half at 120 bpm in 4, half at 160 bpm in 3.
write_map() {
  local minutes=$1
  printf 'bench map\ntmap\t120\t4\t%d\ntmap\t160\t3\t%d\n' \
    $((minutes * 120 / 2 / 4)) $((minutes * 160 / 2 / 3)) >"$work/tmap.txt"
}

# Runs `ptm` once on `device`: first-run answers 44100 Hz and 16 bits, the
# device, `ptm`, `x` (which ends the program with status 2).
play_map() {
  printf '1\n1\no\n%s\nptm\nx\n' "$1" >"$work/input.txt"
  (cd "$work" && HOME="$work" "$bin" <"$work/input.txt" >/dev/null) || [ $? -eq 2 ]
}

play_wav() {
  aplay -q -D null "$work/stream.wav"
}

# Fastest user+system CPU seconds, over `runs` tries, of `batch` back-to-back
# runs of the given function (the null PCM makes one run too short to time
# on its own). Bash's `time` reads the children's rusage in milliseconds.
cpu_seconds() {
  local best="" t
  for _ in $(seq "$runs"); do
    t=$( { TIMEFORMAT='%3U %3S'; time { for _ in $(seq "$batch"); do "$@"; done; }; } 2>&1 |
         tail -n 1 | awk '{ print $1 + $2 }')
    best=$(awk -v a="$t" -v b="$best" 'BEGIN { print (b == "" || a < b) ? a : b }')
  done
  echo "$best"
}

# Peak resident set of one `ptm` run on the null PCM, in KiB.
peak_kib() {
  printf '1\n1\no\nnull\nptm\nx\n' >"$work/input.txt"
  (cd "$work" && HOME="$work" /usr/bin/time -f '%M' -o "$work/time.txt" \
    "$bin" <"$work/input.txt" >/dev/null) || [ $? -eq 2 ]
  tail -n 1 "$work/time.txt"
}

echo "== capturing the 30-minute stream"
write_map 30
rm -f "$work/stream.raw"
play_map cap
sox -t raw -r 44100 -e signed-integer -b 16 -c 1 "$work/stream.raw" "$work/stream.wav"
echo "stream: $(stat -c %s "$work/stream.raw") bytes"

echo "== CPU time of $batch runs, fastest of $runs tries"
tik=$(cpu_seconds play_map null)
apl=$(cpu_seconds play_wav)
echo "$batch runs: tikvane ptm ${tik}s, aplay -D null ${apl}s"
awk -v a="$tik" -v b="$apl" 'BEGIN { printf "CPU ratio ptm / aplay: %.2f (target at most 2)\n", (b > 0 ? a / b : 0) }'

echo "== peak resident memory"
write_map 1
one=$(peak_kib)
write_map 60
sixty=$(peak_kib)
echo "1 minute: ${one} KiB   60 minutes: ${sixty} KiB"
awk -v a="$one" -v b="$sixty" 'BEGIN {
  printf "RSS ratio 60 min / 1 min: %.3f, difference %d KiB (target under 256), peak %.2f MiB (target under 6)\n",
         b / a, b - a, (a > b ? a : b) / 1024 }'
