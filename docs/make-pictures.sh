#!/usr/bin/env bash
# Makes the pictures of docs/click.md from the program's own output:
#   docs/click-waveform.png  the default click, sample values against time
#   docs/spectrogram.png     a spectrogram of the first seconds of a track
# and writes that page's worked example (a tempo map, its `rtm` run and
# soxi's description of the file) from a real run, between its
# worked-example markers.
#
# It builds nothing: it runs an existing tikvane (default build/tikvane,
# or the path given as the first argument) in a scratch folder, feeding it
# commands on standard input. sox and gnuplot are installed when missing.
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/.." && pwd)"
tikvane="$(realpath "${1:-$root/build/tikvane}")"
[ -x "$tikvane" ] || { echo "no program at $tikvane: build it first (cmake --build build)" >&2; exit 1; }

"$root/scripts/need-packages.sh" sox
command -v gnuplot >/dev/null || "$root/scripts/need-packages.sh" gnuplot-nox

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# Runs the program in the scratch folder, which holds no settings file: the
# answers 1 and 2 to the first-run prompts choose 44100 Hz and 24 bits, and
# every other setting keeps its default. It ends with status 2 after `x`.
run_tikvane() {
    local status=0
    (cd "$work" && printf '1\n2\n%b' "$1" | "$tikvane") || status=$?
    [ "$status" -eq 2 ] || { echo "tikvane ended with status $status" >&2; exit 1; }
}

# 1. The default click: a 24-bit track of one measure (`m 1`); its first 2205
# samples are the click. The samples are read straight from the file's bytes
# (little-endian, signed 24-bit) so the plot shows the values the program
# wrote, not a converted copy.
run_tikvane 'm 1\nw\nx\n' >/dev/null
od -An -v -tu1 -j 44 -N $((2205 * 3)) "$work/click.wav" |
    awk '{ for (i = 1; i <= NF; i++) b[n++] = $i }
         END { for (s = 0; 3 * s + 2 < n; s++) {
                   v = b[3*s] + 256 * b[3*s+1] + 65536 * b[3*s+2]
                   if (v >= 8388608) v -= 16777216
                   printf "%.6f %d\n", s * 1000 / 44100, v } }' >"$work/click.dat"
[ "$(wc -l <"$work/click.dat")" -eq 2205 ] || { echo "the track holds no whole click" >&2; exit 1; }

gnuplot <<EOF
set terminal pngcairo size 900,420 font "DejaVu Sans,10"
set output "$here/click-waveform.png"
set title "The default click: 8 harmonics of 60 Hz, 3 periods, 44100 Hz, 24 bits"
set xlabel "time (ms)"
set ylabel "sample value (24-bit scale, full scale 8388608)"
set xrange [0:50]
set yrange [-4500000:4500000]
set format y "%.0f"
set grid
set key off
plot "$work/click.dat" using 1:2 with lines linewidth 1.2 linecolor rgb "#1f5fa8"
EOF

# 2. A spectrogram of the first 4 seconds (two measures) of the default
# track. The click's energy lies well below 2 kHz, so the track is resampled
# to 4 kHz first and the picture shows 0 to 2 kHz; a 257-row picture then
# analyses 512 samples (128 ms) at a time. A window that reaches before the
# start of the file would show the first click faintly, so 0.25 s of
# silence is put before the track and every click appears 0.25 s late.
run_tikvane 'w\nx\n' >/dev/null
sox "$work/click.wav" -n pad 0.25 0 trim 0 4.25 rate 4k \
    spectrogram -x 900 -y 257 -z 90 \
    -t "Default click track, first 4 s after 0.25 s of added silence (120 bpm; 0-2 kHz)" \
    -o "$here/spectrogram.png"

# 3. The worked example: the help screen's tempo map written with `rtm`,
# in a fresh folder (the answers 1 and 1 choose 44100 Hz and 16 bits). Its
# transcript and soxi's description replace the block between the markers
# in docs/click.md, so the page always shows a real run.
rm -f "$work/click.wav" "$work/tiklora.txt"
printf 'tmap\t120\t4\t48\ntmap\t160\t3\t16\n' >"$work/tmap.txt"
status=0
printed="$(cd "$work" && printf '1\n1\nrtm\nx\n' | "$tikvane")" || status=$?
[ "$status" -eq 2 ] || { echo "tikvane ended with status $status" >&2; exit 1; }
[ -f "$work/click.wav" ] || { echo "rtm wrote no click.wav:" >&2; echo "$printed" | tail -3 >&2; exit 1; }
# What rtm printed: the lines between the first menu and the next one.
after_menu="$(printf '%s\n' "$printed" |
    awk '/^\tEnter .rtm. / { if (on) exit; on = 1; next }
         on && /^Global settings:/ { exit }
         on { if (held) print last; last = $0; held = 1 }')"
description="$(cd "$work" && soxi click.wav)"

block="$work/block.md"
{
    echo "In a folder that holds this \`tmap.txt\` and no \`tiklora.txt\`, start"
    echo "\`tikvane\` and type \`1\` (44100 Hz) and \`1\` (16 bits) at the two start-up"
    echo "prompts, then \`rtm\` at the menu and \`x\` to leave. After the menu, \`rtm\`"
    echo "prints (the first line is empty):"
    echo
    printf '%s\n' "$after_menu" | sed 's/^/    /'
    echo
    echo "\`soxi click.wav\` then describes the file:"
    printf '%s\n' "$description" | sed 's/^/    /'
    echo
    echo "The two sections hold 4233600 and 793800 samples (96 and 18 seconds);"
    echo "the file is 44 header bytes and 2 bytes per sample. After \`rtm\` the menu"
    echo "shows the last section's tempo, 160.0 bpm."
} >"$block"
section="$here/click.md"
awk -v block="$block" '
    /^<!-- worked-example:begin -->$/ { print; while ((getline line < block) > 0) print line; skip = 1; next }
    /^<!-- worked-example:end -->$/ { skip = 0 }
    !skip' "$section" >"$work/section.md"
cp "$work/section.md" "$section"
echo "pictures: $here/click-waveform.png $here/spectrogram.png; worked example: $section"
