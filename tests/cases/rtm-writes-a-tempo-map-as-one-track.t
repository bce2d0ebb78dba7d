rtm reads the tempo map and writes its sections one after the other, each
starting its own beat grid with a click. The help screen's example: 48
measures of 4 at 120 bpm, then 16 of 3 at 160. The last section's tempo
and length stay (shown: the menu's tempo before and after): a w after it
writes 18 s at 160 bpm. (`sizes` shows a file's length, its RIFF size and
its data size.)

  $ printf 'tmap\t120\t4\t48\ntmap\t160\t3\t16\n' > tmap.txt; printf '1\n2\nrtm\nx\n' | tikvane | sed -n -e '/^Parsing/,/^Found/p' -e 's/.*adjust tempo (\(.*\)).*/\1/p' | paste -sd '|'
  >   echo $(sizes click.wav) $(sha256sum click.wav); printf '1\n2\nrtm\nw\nx\n' | tikvane > /dev/null; sizes click.wav
  120.0 bpm|Parsing tmap file..|Found 2 map entries.|160.0 bpm
  15082244 15082236 15082200 bd5e0e9f53c522505b91fb5e6d8255fad3bb57ebebf2651279c252b9234518bb click.wav
  2381444 2381436 2381400

A section is the word tmap, then tempo, beats per measure and measures,
each after a TAB; everything else in the file is passed over: titles, blank
lines, TABs before the word and words before it on the line, a word after
the measures, carriage returns. Blanks before it or between the values
make no section, nor does another case. Each value is its leading number
(none is 0); integers keep 32 bits. A short line borrows the values that
follow; a word near the end gets 0 for what is missing.

With an empty click (1 Hz) at 1000 Hz and 16 bits a section of tempo 60 is
meter x measures thousand samples, 2 bytes each, so the file's length shows
every section: here 1, 2, 4, 8 and 16 beats, then 4 x 8 borrowed from the
next line, then none for the word near the end (63 beats).

  $ printf 'rate\t1000\nbits\t16\nHz\t1\n' > tiklora.txt; printf 'Song\n\n\t\ttmap\t60\t1\t1\r\nintro\ttmap\t60\t2\t1\tverse\n  tmap\t60\t99\t1\ntmap 60 99 1\n' > tmap.txt
  $ printf 'TMAP\t60\t99\t1\ntmap\t60x\t2\t2\ntmap\t0x3c\t2\t4\ntmap\t60\t-4294967288\t2b\ntmap\t60\t4\ntmap\t8\t1\t1\ntmap\t60\t64' >> tmap.txt
  >   echo $(printf 'rtm\nx\n' | tikvane | grep Found) $(sizes click.wav)
  Found 7 map entries. 126044 126036 126000

Sections of no finite length add nothing but still count as the last
section.

  $ printf 'bits\t16\nHz\t1\n' > tiklora.txt; printf 'tmap\t100\t4\t2\ntmap\t0\t4\t4\ntmap\t90\t0\t4\ntmap\tnan\t1\t1\n' > tmap.txt
  >   echo $(printf 'rtm\nx\n' | tikvane | grep -e Found -e adjust) $(sizes click.wav)
  Enter 't' to adjust tempo (120.0 bpm). Found 4 map entries. Enter 't' to adjust tempo (nan bpm). 423404 423396 423360

A map that is not there, that cannot be read (a folder), that is not a
regular file (a FIFO, refused at once rather than waited on) or is longer
than 1 MiB, or that holds no entry (blanks instead of TABs) is reported
with its name; no file is touched and the menu comes back with every
setting as it was (here the tempos 90 and 70, saved by s). A map of
exactly 1 MiB is read.

  $ rm click.wav tmap.txt; printf 't 90\nrtm\nptm\ns\nx\n' | tikvane | grep Could | uniq -c; echo $(ls) $(grep tempo tiklora.txt)
  >   mkdir tmap.txt; printf 'ptm\nx\n' | tikvane | grep Could; rmdir tmap.txt; mkfifo tmap.txt
  >   echo $(printf 't 70\nrtm\nptm\ns\nx\n' | timeout 5 tikvane | grep Could | uniq -c) $(grep tempo tiklora.txt); rm tmap.txt; for size in 1048576 1048577; do
  >   { printf 'tmap\t1\t0\t0\n'; head -c $((size - 11)) /dev/zero; } > tmap.txt; printf 'rtm\nx\n' | tikvane | grep -e Could -e Found; done
  >   printf 'tmap 120 4 48\n' > tmap.txt; printf 't 80\nrtm\nptm\ns\nx\n' | tikvane | grep Could | uniq -c; grep tempo tiklora.txt
        2 Could not read the tempo map 'tmap.txt': No such file or directory
  tiklora.txt tempo 90.00
  Could not read the tempo map 'tmap.txt': Is a directory
  2 Could not read the tempo map 'tmap.txt': it is not a regular file tempo 70.00
  Found 1 map entries.
  Could not read the tempo map 'tmap.txt': File too large
        2 tmap.txt: Could not find tempo entries in map file.
  tempo	80.00

A map whose sections together would pass what a WAV header can state is
refused before anything is written, though each alone would fit: two of
4500 measures of 4 at 100 bpm, at 96000 Hz. The file there stays as it
was, and so does the tempo.

  $ printf 'rate\t96000\n' > tiklora.txt; printf 'tmap\t100\t4\t4500\n%.0s' 1 2 > tmap.txt; cp click.wav before
  >   echo $(printf 'rtm\nx\n' | tikvane | grep -o -e "Can.*" -e "tempo (.*bpm" | tail -2) $(cmp click.wav before && echo untouched)
  Can't write click.wav: its data would come to up to 6220828800 bytes, more than the 4294967259 a WAV header can state. tempo (120.0 bpm untouched
