#!/usr/bin/env bash
# Installs the Debian packages named as arguments that are not installed yet,
# and never removes, replaces or downgrades a package: these scripts run on
# people's own desktops. It first simulates the install, removals refused as
# in the real one; when that would remove anything (a package wanted here
# conflicts with one installed, as PipeWire's ALSA plugin does with
# PulseAudio), nothing is installed: it says which package conflicts with
# which and exits with status 1. The install itself runs with --no-remove
# as well. Does nothing when all are there.
set -euo pipefail
missing=()
for pkg in "$@"; do
  dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
done
[ ${#missing[@]} -gt 0 ] || exit 0
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
"${sudo[@]}" apt-get update -qq
plan=$(LC_ALL=C apt-get -s --no-remove install "${missing[@]}" 2>&1 || true)
# The packages apt-get lists under the heading that begins with $1.
listed() { awk -v head="$1" '/^[^ ]/ { under = index($0, head) == 1 } under && /^  / { print }' <<< "$plan" | xargs -r; }
removed=$(listed 'The following packages will be REMOVED')
if [ -n "$removed" ]; then
  echo "Not installing ${missing[*]}: apt-get would remove" $removed
  # Either side may declare the conflict (or a Breaks).
  relations() { apt-cache show --no-all-versions "$1" 2>/dev/null | grep -E '^(Conflicts|Breaks):' || true; }
  for new in $(listed 'The following NEW packages'); do
    for old in $removed; do
      if grep -qE "[ ,]$old( |,|$)" <<< "$(relations "$new")" ||
         grep -qE "[ ,]$new( |,|$)" <<< "$(relations "$old")"; then
        echo "  $new conflicts with $old, which is installed"
      fi
    done
  done
  echo "Nothing was installed or removed. Install these packages yourself if you want them"
  echo "in place of what they conflict with; the scripts never remove a package."
  exit 1
fi
echo "Installing: ${missing[*]}"
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-remove "${missing[@]}"
