#!/usr/bin/env bash
# Builds tikvane (installing what the build needs) and starts it in the
# current folder, where it keeps tiklora.txt and writes its click tracks.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/need-packages.sh" cmake g++ make libasound2-dev
cmake -S "$top" -B "$top/build" -DTIKVANE_TESTS=OFF >/dev/null
cmake --build "$top/build" -j"$(nproc)" >/dev/null
exec "$top/build/tikvane"
