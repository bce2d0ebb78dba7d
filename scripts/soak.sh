#!/usr/bin/env bash
# Soak of the command dialogue against the real program (build/tikvane,
# built first when missing): random valid command sequences, at most RUNS
# runs and SECONDS seconds (defaults 1000 and 90). SOAK_SEED repeats a soak.
#   scripts/soak.sh [RUNS] [SECONDS]
# Exits non-zero when any run fails its checks.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
binary="${TIKVANE_BIN:-$root/build/tikvane}"
"$root/scripts/need-packages.sh" sox python3
if [ ! -x "$binary" ]; then
  cmake -S "$root" -B "$root/build" >/dev/null
  cmake --build "$root/build" -j"$(nproc)" --target tikvane >/dev/null
fi
exec python3 "$root/scripts/soak.py" "$binary" "${1:-1000}" "${2:-90}"
