# Shared by the benchmarks, sourced by each: the program (build/tikvane,
# built when missing), a scratch folder in memory where one is writable (so
# that the disk's write-back does not blur the figures) which is also HOME,
# and the measures. Installs what they need.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/need-packages.sh" cmake g++ make libasound2-dev alsa-utils time
bin=${TIKVANE_BIN:-$top/build/tikvane}
if [ ! -x "$bin" ]; then
  cmake -S "$top" -B "$top/build" > /dev/null
  cmake --build "$top/build" -j"$(nproc)" --target tikvane > /dev/null
fi
work=$(mktemp -d -p "$( [ -w /dev/shm ] && echo /dev/shm || echo "${TMPDIR:-/tmp}")")
trap 'rm -rf "$work"' EXIT
cd "$work"
export HOME=$work  # so that the .asoundrc written here is the one ALSA reads
failed=0

# Runs the program on the given input, quietly; `x` ends it with status 2.
tik() { printf "$1" | "$bin" > /dev/null 2>&1 || [ $? -eq 2 ]; }

# The least user+system CPU seconds, over 5 tries, of BATCH back-to-back
# runs of the command (one run may be too short to time alone).
cpu() {
  local batch=$1 best= t; shift
  for _ in 1 2 3 4 5; do
    t=$( { TIMEFORMAT='%3U %3S'; time { for _ in $(seq "$batch"); do "$@"; done; }; } 2>&1 |
         tail -n 1 | awk '{ print $1 + $2 }')
    best=$(awk -v a="$t" -v b="$best" 'BEGIN { print (b == "" || a < b) ? a : b }')
  done
  echo "$best"
}

# Peak resident memory in KiB of one run of the program on the given input.
peak() { printf "$1" | /usr/bin/time -f %M -o time.txt "$bin" > /dev/null 2>&1 || true; tail -n 1 time.txt; }

# check WHAT A B BOUND: prints the ratio A / B (B 1 for a plain figure) and
# counts it a failure when it passes the bound.
check() {
  awk -v what="$1" -v a="$2" -v b="$3" -v bound="$4" 'BEGIN {
    r = a / b; printf "%-44s %8.3f   bound %s%s\n", what, r, bound, (r > bound ? "   TOO HIGH" : "")
    exit (r > bound) }' || failed=1
}
