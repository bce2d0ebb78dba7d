#!/usr/bin/env bash
# Builds tikvane and its tests twice, plainly and under AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs the whole suite on both builds.
# Installs what the build and the tests need. Exits non-zero on any failure,
# and when no test was found.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/need-packages.sh" cmake g++ make libasound2-dev python3 \
  sox alsa-utils groff-base man-db util-linux perl pulseaudio pulseaudio-utils libasound2-plugins
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

echo "== AddressSanitizer + UndefinedBehaviorSanitizer build"
cmake -S "$top" -B "$top/build-asan" -DCMAKE_BUILD_TYPE=Debug -DTIKVANE_SANITIZE=ON \
  -DTIKVANE_TESTS=ON "${python[@]}" >/dev/null
cmake --build "$top/build-asan" -j"$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir "$top/build-asan" --output-on-failure --no-tests=error -j"$cases"
