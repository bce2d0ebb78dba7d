The manual page renders without a warning, also at a narrow width where
lines are hard to break.

  $ page=$TESTDIR/../man/tikvane.1
  $ groff -man -ww -z $page
  $ MANWIDTH=60 man --warnings -l $page > /dev/null

It has an entry for every command of the menu, and its sections.

  $ printf '1\n2\nx\n' | tikvane | grep -o "Enter '[^']*'" | cut -d "'" -f 2 | while read -r word; do
  >   grep -qx ".B $word" $page && echo "$word" || echo "no entry for $word"; done | tr '\n' ' '
  t f b h s x a al o ptm m n w + rtm  (no-eol)
  $ for file in tiklora.txt tmap.txt click.wav; do grep -qx ".I $file" $page || echo "no $file"; done
  $ grep '^\.SH' $page
  .SH NAME
  .SH SYNOPSIS
  .SH DESCRIPTION
  .SH START\-UP
  .SH THE MENU
  .SH COMMANDS
  .SH THE CLICK
  .SH CLICK TRACKS
  .SH PLAYBACK
  .SH TEMPO MAP FILE
  .SH SETTINGS FILE
  .SH FILES
  .SH EXIT STATUS
  .SH DIAGNOSTICS
  .SH NOTES
  .SH EXAMPLES
  .SH SEE ALSO

Every message the program prints, with when it appears, is listed under
DIAGNOSTICS.

  $ diagnostics=$(MANWIDTH=2000 man -l $page | col -b | sed -n '/^DIAGNOSTICS/,/^NOTES/p')
  $ while read -r message; do grep -q -- "$message" <<< "$diagnostics" || echo "not listed: $message"; done <<'END'
  > The requested filename does not exist!
  > Can't find data block in wave file!
  > Can't find fmt block in wave file!
  > Can't add to .*: it holds .* channel(s) at .* Hz, .* bits; the settings write 1 channel at .* Hz, .* bits.
  > Could not write .*: 
  > Could not find tempo entries in map file.
  > unable to open pcm device: 
  > unable to set playback format: 
  > unable to set hw parameters: 
  > Could not read the tempo map '.*': 
  > Could not create '.*': 
  > Could not save settings to 'tiklora.txt': 
  > Saved Settings
  > Playback stopped.
  > A tempo of .* bpm cannot be played at .* Hz.
  > Section .* skipped: a tempo of .* bpm cannot be played at .* Hz.
  > The frequency chosen is too low for this tempo!
  > The device name is longer than 15 characters; keeping '.*'.
  > The file name is longer than 63 characters; keeping '.*'.
  > Sample rate .* Hz is above the limit of 768000 Hz; using 44100 Hz.
  > Could not write standard output: 
  > END
