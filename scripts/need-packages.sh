#!/usr/bin/env bash
# Installs the Debian packages named as arguments that are not installed yet,
# and never removes, replaces or downgrades a package: these scripts run on
# people's own desktops. It first simulates the install, removals refused as
# in the real one; when that would remove anything (a package wanted here
# conflicts with one installed, as PipeWire's ALSA plugin does with
# PulseAudio), nothing is installed: it says which package conflicts with
# which and exits with status 1. The install itself runs with --no-remove
# as well. A package source that apt-get update cannot read (a third-party
# repository that is down, a mirror in the middle of a sync) is named and
# passed over: the install goes on with the package lists there are. When
# a package cannot be had from them, nothing is installed: it shows
# apt-get's reason and exits with status 1. Does nothing when all are there.
set -euo pipefail
missing=()
for pkg in "$@"; do
  dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
done
[ ${#missing[@]} -gt 0 ] || exit 0
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
said=$("${sudo[@]}" env LC_ALL=C apt-get update -q 2>&1) || true
# apt-get names each source it could not read on an "Err:" line, with the
# reason on the line under it; its "E:" lines say why it refuses a source.
failed=$(awk '/^Err:/ { n = 2 } n-- > 0 || /^E: / && !/Failed to fetch|Some index files/' <<< "$said")
[ -z "$failed" ] || printf '%s\n' "Not every package source could be read; going on with the package lists there are:" "$failed"
planned=0
plan=$(LC_ALL=C apt-get -s --no-remove install "${missing[@]}" 2>&1) || planned=$?
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
if [ "$planned" -ne 0 ]; then
  echo "Not installing ${missing[*]}; apt-get said:"
  grep -vE '^(Reading|Building) ' <<< "$plan"
  exit 1
fi
echo "Installing: ${missing[*]}"
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-remove "${missing[@]}"
