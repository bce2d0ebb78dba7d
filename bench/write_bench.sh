#!/bin/sh
# Speed and memory of the click-track writer, as ratios against baselines
# measured in the same run on the same disk:
#   1. `w` of a 30-minute 24-bit track / writing as many zero bytes with dd
#      (one 1 MiB buffer);
#   2. `rtm` of a 30-minute 16-bit tempo map / klick's offline export of the
#      same sections;
#   3. peak resident memory of `w` for a 1-minute and a 2-hour track.
# Run by hand: bench/write_bench.sh [build-dir]. Installs klick and time.
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build}
bin=$build/tikvane
[ -x "$bin" ] || { echo "no $bin; build first" >&2; exit 1; }
"$here/scripts/need-packages.sh" klick time
work=$(mktemp -d "${TMPDIR:-/tmp}/write-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT
cd "$work"

now() { date +%s.%N; }
best_of() {  # best_of N command...: the shortest wall time of N runs
    n=$1; shift; best=
    for _ in $(seq "$n"); do
        sync; t0=$(now); "$@" >/dev/null 2>&1; t1=$(now)
        best=$(echo "$t0 $t1 ${best:-1e9}" | awk '{d=$2-$1; print (d<$3)?d:$3}')
    done
    echo "$best"
}
# First-run answers: rate 44100 and the given bit depth answer (2 = 24, 1 = 16).
tik() { printf "$1" | "$bin" >/dev/null 2>&1 || true; }

# 1. 900 measures of 4 at 120 bpm = 30 minutes, 24 bits.
w30() { tik '1\n2\nm\n900\nw\nx\n'; }
w30
bytes=$(stat -c %s click.wav)
zero_plain() { dd if=/dev/zero of=zero.bin bs=1M count=$((bytes / 1048576 + 1)) 2>/dev/null; }
w_time=$(best_of 5 w30)
dd_time=$(best_of 5 zero_plain)
echo "w, 30 min 24-bit ($bytes bytes): ${w_time}s; dd of as many zeros: ${dd_time}s;" \
     "ratio $(echo "$w_time $dd_time" | awk '{printf "%.2f", $1/$2}') (target <= 1.5)"

# 2. The help example's two sections 16 times over (30 min 24 s), 16 bits.
: > tmap.txt; : > klick.map
for _ in $(seq 16); do
    printf 'tmap\t120\t4\t48\ntmap\t160\t3\t16\n' >> tmap.txt
    printf '48 4/4 120\n16 3/4 160\n' >> klick.map
done
rtm() { tik '1\n1\nrtm\nx\n'; }
kl() { klick -W k.wav -r 44100 -f klick.map; }
rtm
[ "$(stat -c %s click.wav 2>/dev/null)" = 160876844 ] ||
    { echo "rtm did not write the 160876844-byte track" >&2; exit 1; }
rtm_time=$(best_of 5 rtm)
kl_time=$(best_of 5 kl)
echo "rtm, 16 x 2 sections 16-bit: ${rtm_time}s; klick -W: ${kl_time}s;" \
     "ratio $(echo "$rtm_time $kl_time" | awk '{printf "%.2f", $1/$2}') (target <= 0.5)"
echo "  files: $(stat -c %s click.wav) bytes ours, $(stat -c %s k.wav) bytes klick"

# 3. Peak memory: 1 minute (30 measures) against 2 hours (3600 measures).
peak() { printf "$1" | /usr/bin/time -v "$bin" 2>&1 >/dev/null | awk '/Maximum resident/ {print $NF}'; }
short=$(peak '1\n2\nm\n30\nw\nx\n')
long=$(peak '1\n2\nm\n3600\nw\nx\n')
echo "peak RSS: 1 min ${short} KiB, 2 h ${long} KiB, difference $((long - short)) KiB" \
     "(targets < 6144 KiB each, difference < 256 KiB)"
