#!/usr/bin/env bash
# Cost of playback, against aplay in the same run: the CPU time of `ptm`
# playing a 30-minute tempo map (44100 Hz, 16 bits) through the null PCM,
# over aplay's for the very same stream (captured first through alsa-lib's
# file plugin); the same map through a stereo-only device (a multi PCM over
# null) over the mono figure; and the peak memory of the 30-minute `ptm`,
# which the beat, never expanded into a track, keeps small. The null PCM
# does not pace, so each runs as fast as it can. Fails when a figure passes
# its bound, about twice what it was when the bound was set.
#   bench/play_bench.sh
. "$(dirname "$0")/common.sh"
cat > .asoundrc <<END
pcm.cap { type file; slave.pcm "null"; file "|cat >> $work/stream.raw"; format "raw" }
pcm.stereo { type multi; slaves.a { pcm "null"; channels 2 }
             bindings.0 { slave a; channel 0 } bindings.1 { slave a; channel 1 } }
END
# 30 minutes: 15 at 120 bpm in 4, then 15 at 160 bpm in 3.
printf 'tmap\t120\t4\t450\ntmap\t160\t3\t800\n' > tmap.txt
play() { tik "1\n1\no $1\nptm\nx\n"; }
play cap
aplay_mono() { aplay -q -D null -t raw -f S16_LE -r 44100 -c 1 stream.raw; }
mono=$(cpu 20 play null)
check "ptm CPU / aplay CPU, 30 min through null" "$mono" "$(cpu 20 aplay_mono)" 0.8
check "ptm CPU, stereo-only device / mono" "$(cpu 20 play stereo)" "$mono" 5
check "ptm peak memory, MiB" "$(peak '1\n1\no null\nptm\nx\n')" 1024 16
exit "$failed"
