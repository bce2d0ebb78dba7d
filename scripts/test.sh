#!/usr/bin/env bash
# Builds tikvane and its tests twice, plainly and under AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs the whole suite on both builds.
# Installs what the build and the tests need, removing nothing. Exits
# non-zero on any failure, and when no test was found.
#
# The sound-server cases start a private server of their own: PulseAudio or
# PipeWire, whichever this machine has (PipeWire when it has both), or the
# one TIKVANE_SOUND_SERVER names (pulseaudio or pipewire). With neither,
# the first that installs without removing a package is installed. The
# JACK case starts a private jackd in namespaces of its own. The cases in
# tests/large/ need files past 2 GiB, so they run beside CTest, whose runs
# the mutation tool limits to 2 GiB files.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
need=$top/scripts/need-packages.sh
"$need" cmake g++ make libasound2-dev python3 sox alsa-utils groff-base man-db util-linux perl \
  pulseaudio-utils libasound2-plugins jackd2 strace python3-fusepy

pipewire=(pipewire pipewire-pulse wireplumber)
installed() { [ "$(dpkg-query -W -f='${Status}\n' "$@" 2>/dev/null | grep -c 'ok installed')" = $# ]; }
case ${TIKVANE_SOUND_SERVER:-} in
  pipewire) "$need" "${pipewire[@]}" ;;
  pulseaudio) "$need" pulseaudio ;;
  "") if installed "${pipewire[@]}"; then TIKVANE_SOUND_SERVER=pipewire
      elif installed pulseaudio || "$need" pulseaudio; then TIKVANE_SOUND_SERVER=pulseaudio
      else echo "Trying PipeWire instead."; "$need" "${pipewire[@]}"; TIKVANE_SOUND_SERVER=pipewire
      fi ;;
  *) echo "TIKVANE_SOUND_SERVER is pulseaudio or pipewire, not '$TIKVANE_SOUND_SERVER'"; exit 1 ;;
esac
export TIKVANE_SOUND_SERVER
echo "== the sound-server cases run on a private $TIKVANE_SOUND_SERVER"

jobs=$(nproc)
# One case more than there are cores: the sound-server cases mostly wait
# for their audio to play.
cases=$((jobs + 1))

# The tests are switched on explicitly: a plain configure (and
# scripts/run.sh) builds the program alone. The system's python3 runs the
# cases: a version manager's shim ahead of it on PATH costs a third of a
# second a start.
python=()
[ -x /usr/bin/python3 ] && python=(-DPython3_EXECUTABLE=/usr/bin/python3)
echo "== plain build"
cmake -S "$top" -B "$top/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTIKVANE_TESTS=ON "${python[@]}" >/dev/null
cmake --build "$top/build" -j"$jobs"
ctest --test-dir "$top/build" --output-on-failure --no-tests=error -j"$cases"
large() { for case in "$top"/tests/large/*.t; do python3 "$top/tests/transcript.py" --bin "$1" --bin "$top/tests" "$case"; done; }
large "$top/build"

echo "== AddressSanitizer + UndefinedBehaviorSanitizer build"
cmake -S "$top" -B "$top/build-asan" -DCMAKE_BUILD_TYPE=Debug -DTIKVANE_SANITIZE=ON \
  -DTIKVANE_TESTS=ON "${python[@]}" >/dev/null
cmake --build "$top/build-asan" -j"$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir "$top/build-asan" --output-on-failure --no-tests=error -j"$cases"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 large "$top/build-asan"
echo "== the large cases passed on both builds"
