#!/usr/bin/env bash
# Builds the Debian package from a copy of this tree in a scratch folder,
# checks it with lintian (any error or warning fails), installs it as a
# user does, checks that tikvane runs from PATH, that its manual page shows,
# that the example tempo map is installed and that it writes the expected
# tracks, removes it and checks that no file it installed is left. Installs
# what the build needs, removing nothing. It never replaces or removes
# someone's own install: it refuses to run where a tikvane package, or a
# file the package would install, is already there.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd) sudo=$([ "$(id -u)" = 0 ] || echo sudo)
fail() { echo "check-package.sh: $*"; exit 1; }
state=$(dpkg-query -W -f='${db:Status-Status}' tikvane 2> /dev/null || true)
[ "${state:-not-installed}" = not-installed ] || fail "a tikvane package is on this machine ($state); not touching it (remove it to run this check)"
"$top/scripts/need-packages.sh" build-essential debhelper cmake libasound2-dev lintian man-db python3
work=$(mktemp -d) ours=; trap '[ -z "$ours" ] || $sudo dpkg -r tikvane > /dev/null; rm -rf "$work"' EXIT
mkdir "$work/tikvane" "$work/run"; tar -C "$top" --exclude=./.git --exclude='./build*' -cf - . | tar -C "$work/tikvane" -xf -
(cd "$work/tikvane" && dpkg-buildpackage -us -uc -b > ../build.log 2>&1) || { tail -n 40 "$work/build.log"; fail "the build failed"; }
v=$(dpkg-parsechangelog -l "$top/debian/changelog" -S Version); deb=$(echo "$work/tikvane_${v}_"*.deb)
echo "== built $(basename "$deb"); lintian:"
lintian -I --fail-on error,warning "$work"/*.changes > "$work/lint" 2>&1 || echo "lintian failed" >> "$work/lint"
cat "$work/lint"; ! grep -qE '^([EW]: |lintian failed)' "$work/lint" || fail "lintian reports errors or warnings"
for f in $(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print substr($6, 2) }'); do [ ! -e "$f" ] || fail "$f is already there; not replacing it"; done
ours=1; $sudo dpkg -i "$deb" > /dev/null; files=$(dpkg -L tikvane)
status=0; (cd "$work/run" && printf '1\n2\nx\n' | tikvane > out) || status=$?
[ "$(command -v tikvane)" = /usr/bin/tikvane ] && [ $status = 2 ] && grep -qxF "Tikvane v. $v (m) by Velmorad" "$work/run/out" ||
  fail "tikvane from PATH ($(command -v tikvane)) ended with status $status, printing: $(sed -n 2p "$work/run/out")"
man -P cat tikvane 2> /dev/null | grep -q "Tikvane $v" || fail "man tikvane shows no page of $v"
cmp /usr/share/doc/tikvane/examples/tmap.txt "$top/examples/tmap.txt" || fail "the example tempo map is not installed as it stands"
python3 "$top/tests/transcript.py" --bin /usr/bin --bin "$top/tests" "$top/tests/cases/w-writes-click-tracks.t" || fail "the installed tikvane writes other tracks"
$sudo dpkg -r tikvane > /dev/null; ours=
# A directory that another package owns stays, and rightly so.
for f in $files; do [ "$f" = /. ] || [ ! -e "$f" ] || { [ -d "$f" ] && dpkg -S "$f" > /dev/null 2>&1; } || fail "$f is left after dpkg -r"; done
printf '%s\ncheck-package: 6 passed, 0 failed\n' "== installed, tikvane $v ran from PATH and wrote the expected tracks, its manual page showed, the example map was there; removed, no file left"
