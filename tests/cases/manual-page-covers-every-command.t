The manual page renders without a warning, also at a narrow width where
lines are hard to break, and has an entry for every command of the menu.
(Its DIAGNOSTICS section lists every message the program prints, with
when it appears.)

  $ page=$TESTDIR/../man/tikvane.1; groff -man -ww -z $page; MANWIDTH=60 man --warnings -l $page > /dev/null
  $ printf '1\n2\nx\n' | tikvane | grep -o "Enter '[^']*'" | cut -d "'" -f 2 | while read -r word; do
  >   grep -qx ".B $word" $page || echo "no entry for $word"; done
