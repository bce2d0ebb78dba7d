#!/usr/bin/env bash
# Cost of writing click tracks, against writing as many bytes with head -c
# in the same run: the CPU time of `w` of a 30-minute 24-bit track and of
# `rtm` of a 30-minute 16-bit tempo map, each over head -c copying the same
# number of bytes from /dev/zero into a file; and the peak memory of the
# 30-minute `w`, which never holds the track. Fails when a figure passes its
# bound, about twice what it was when the bound was set.
#   bench/write_bench.sh
. "$(dirname "$0")/common.sh"
zeros() { head -c "$(stat -c %s click.wav)" /dev/zero > zeros.bin; }
w30() { tik '1\n2\nm 900\nw\nx\n'; }
w30
check "w CPU / head -c CPU, 30 min 24-bit" "$(cpu 3 w30)" "$(cpu 3 zeros)" 2
# The help's two sections 16 times over: 30 min 24 s.
for _ in $(seq 16); do printf 'tmap\t120\t4\t48\ntmap\t160\t3\t16\n'; done > tmap.txt
rtm() { tik '1\n1\nrtm\nx\n'; }
rtm
check "rtm CPU / head -c CPU, 30 min 16-bit" "$(cpu 3 rtm)" "$(cpu 3 zeros)" 2
check "w peak memory, MiB" "$(peak '1\n2\nm 900\nw\nx\n')" 1024 8
exit "$failed"
