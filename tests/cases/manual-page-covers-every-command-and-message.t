The manual page renders without a warning, also at a narrow width where
lines are hard to break, and has an entry for every command of the menu.

  $ page=$TESTDIR/../man/tikvane.1
  $ groff -man -ww -z $page; MANWIDTH=60 man --warnings -l $page > /dev/null
  $ printf '1\n2\nx\n' | tikvane | grep -o "Enter '[^']*'" | cut -d "'" -f 2 | while read -r word; do
  >   grep -qx ".B $word" $page || echo "no entry for $word"; done

Every message the program prints, with when it appears, is listed under
DIAGNOSTICS.

  $ diagnostics=$(MANWIDTH=2000 man -l $page | col -b | sed -n '/^DIAGNOSTICS/,/^NOTES/p')
  $ while read -r message; do grep -q -- "$message" <<< "$diagnostics" || echo "not listed: $message"; done <<'END'
  > The requested filename does not exist!
  > Can't find data block in wave file!
  > Can't find fmt block in wave file!
  > Can't add to .*: it holds .* channel(s) at .* Hz, .* bits; the settings write 1 channel at .* Hz, .* bits.
  > Can't add to .*: its .* data bytes end in a partial sample.
  > Can't add to .*: its header states .* data bytes, but it holds .*.
  > Could not write .*: 
  > Writing stopped: .* is as it was before.
  > Writing stopped: .* holds the whole samples written.
  > Could not find tempo entries in map file.
  > Could not read the tempo map '.*': 
  > Could not create '.*': 
  > Could not save settings to 'tiklora.txt': 
  > unable to open pcm device: .*: 
  > unable to set access type: .*: 
  > unable to set playback format: .*: 
  > unable to set channels: .*: 
  > unable to set sample rate: .* offers .* Hz, not .* Hz
  > unable to set hw parameters: .*: 
  > Playback stopped: .*: 
  > Playback stopped.
  > A tempo of .* bpm cannot be played at .* Hz.
  > Section .* skipped: a tempo of .* bpm cannot be played at .* Hz.
  > The frequency chosen is too low for this tempo!
  > The device name is longer than 15 characters; keeping '.*'.
  > Sample rate .* Hz is above the limit of 768000 Hz; using 44100 Hz.
  > Could not write standard output: 
  > END
