#!/usr/bin/env bash
# cross-test.sh ARCH, ARCH armhf or arm64 (a Raspberry Pi), s390x (big-endian)
# or i386 (a 32-bit PC): cross-builds tikvane with Debian's cross compiler
# against ALSA installed for ARCH through multiarch, and runs the cases that
# write files or drive the dialogue on that build, natively where the host
# runs ARCH itself and elsewhere under qemu-user (a wrapper named tikvane
# execs it, so no binfmt_misc is needed): they must print exactly what the
# host's build prints. An x86-64 host runs i386 natively when its kernel
# has IA32 emulation, and under qemu-i386 when it has not (a small VM's
# kernel); the build is tried to find out, and the script says which.
# Installs what it needs (adding ARCH to dpkg's architectures), removing
# nothing.
set -euo pipefail
# The cases left out: they play through a sound device or server, or only
# read the manual page.
skip='playback-plays-the-beat-in-whole-periods|a-device-is-used-as-it-grants-or-refused-with-its-reason|sound-server-*|jack-*|the-readme-quick-start-*|manual-page-covers-every-command'
arch=${1:?usage: cross-test.sh armhf|arm64|s390x|i386} top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/need-packages.sh" dpkg-dev file cmake make python3 sox
# The GNU triplet names the cross compiler, its first part the processor as
# CMake and qemu name it (qemu's i386 runs i686 programs); the multiarch one
# names the library folder (they differ for i386: i686-linux-gnu,
# i386-linux-gnu).
g=$(dpkg-architecture -a"$arch" -qDEB_HOST_GNU_TYPE 2> /dev/null) || { echo "No Debian architecture $arch"; exit 1; }
t=$(dpkg-architecture -a"$arch" -qDEB_HOST_MULTIARCH) cpu=${g%%-*} host=$(dpkg --print-architecture)
[ "$arch" = "$host" ] || dpkg --print-foreign-architectures | grep -qx "$arch" || $([ "$(id -u)" = 0 ] || echo sudo) dpkg --add-architecture "$arch"
"$top/scripts/need-packages.sh" "g++-${g//_/-}" "libasound2-dev:$arch" "libstdc++6:$arch"
echo "== $arch: installed in ${SECONDS}s"; SECONDS=0
# A case runs the program as nobody too, so the build's folder is open to all.
work=$(mktemp -d); chmod 755 "$work"; trap 'rm -rf "$work"' EXIT
cmake -S "$top" -B "$work/build" -DCMAKE_SYSTEM_NAME=Linux -DCMAKE_SYSTEM_PROCESSOR="$cpu" \
  -DCMAKE_CXX_COMPILER="$g-g++" -DCMAKE_LIBRARY_ARCHITECTURE="$t" > /dev/null
grep -q "^ALSA_LIBRARY:FILEPATH=/usr/lib/$t/" "$work/build/CMakeCache.txt" && cmake --build "$work/build" -j"$(nproc)" > /dev/null ||
  { echo "The $arch build failed, or FindALSA found another architecture's library"; exit 1; }
# The program ends with status 2 at the end of its input; a kernel that
# cannot run it fails with "Exec format error" (126) instead.
natively() { "$work/build/tikvane" < /dev/null > /dev/null 2>&1 || [ $? = 2 ]; }
run= why=
[ "$arch" = "$host" ] || { [ "$host/$arch" = amd64/i386 ] && natively; } || {
  [ "$host/$arch" != amd64/i386 ] || why=" (this kernel does not run $arch programs)"
  "$top/scripts/need-packages.sh" qemu-user; run="qemu-${cpu/i686/i386} -L /"; }
printf '#!/bin/sh\nexec %s %s "$@"\n' "$run" "$work/build/tikvane" > "$work/tikvane"; chmod +x "$work/tikvane"
echo "== $arch: built in ${SECONDS}s: $(file -b "$work/build/tikvane" | cut -d, -f1-2), run ${run:+under }${run:-natively}$why"; SECONDS=0 passed=0 failed=0
for case in "$top"/tests/cases/*.t; do
  [[ $(basename "$case" .t) == @($skip) ]] && continue
  python3 "$top/tests/transcript.py" --bin "$work" --bin "$top/tests" "$case" && passed=$((passed + 1)) ||
    { failed=$((failed + 1)); echo "FAILED on $arch: $case"; }
done
printf '== %s: cases ran in %ss\ncross-test-%s: %s passed, %s failed\n' "$arch" "$SECONDS" "$arch" "$passed" "$failed"
[ "$failed" = 0 ]
