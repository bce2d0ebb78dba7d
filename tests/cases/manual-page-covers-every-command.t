The manual page renders without a warning, at several widths.

  $ page=$TESTDIR/../man/tikvane.1
  $ groff -man -ww -z $page
  $ for width in 60 80 132; do MANWIDTH=$width man --warnings -l $page > /dev/null; done

It has an entry for every command of the menu, and its sections.

  $ printf '1\n2\nx\n' | tikvane | grep -o "Enter '[^']*'" | cut -d "'" -f 2 | while read -r word; do
  >   grep -qx ".B $word" $page && echo "$word" || echo "no entry for $word"; done | tr '\n' ' '
  t f b h s x a al o ptm m n w + rtm  (no-eol)
  $ grep -c -e '^\.I tiklora.txt$' -e '^\.I tmap.txt$' -e '^\.I click.wav$' $page
  8
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
