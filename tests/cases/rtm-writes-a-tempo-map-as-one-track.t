rtm reads the tempo map and writes its sections one after the other, each
starting its own beat grid with a click. The help screen's example: 48
measures of 4 at 120 bpm, then 16 of 3 at 160. The last section's tempo
and length stay (shown: the menu's tempo before and after): a w after it
writes 18 s at 160 bpm. On standard error rtm describes each section as
it is written, then the whole track. (`sizes` shows a file's length, its
RIFF size and its data size.)

  $ printf 'tmap\t120\t4\t48\ntmap\t160\t3\t16\n' > tmap.txt; printf '1\n2\nrtm\nx\n' | tikvane 2>&1 | sed -n -e '/^Parsing/,/ wrote /p' -e 's/.*adjust tempo (\(.*\)).*/\1/p' | paste -sd '|'
  >   echo $(sizes click.wav) $(sha256sum click.wav); printf '1\n2\nrtm\nw\nx\n' | tikvane &> /dev/null; sizes click.wav
  120.0 bpm|Parsing tmap file..|Found 2 map entries.|Section 1: 120 bpm, 4 beats a measure, 48 measures: 4233600 samples, 1:36.000.|Section 2: 160 bpm, 3 beats a measure, 16 measures: 793800 samples, 0:18.000.|click.wav: 5027400 samples, 1:54.000 at 44100 Hz; this rtm wrote 240 clicks.|160.0 bpm
  15082244 15082236 15082200 bd5e0e9f53c522505b91fb5e6d8255fad3bb57ebebf2651279c252b9234518bb click.wav
  2381444 2381436 2381400

A section is the word tmap, then tempo, beats per measure and measures,
each after a TAB; everything else in the file is passed over: titles, blank
lines, TABs before the word and words before it on the line, a word after
the measures (after a TAB or a blank), carriage returns. Blanks before it or between the values
make no section, nor does another case. Each value is its leading number
(none is 0); integers keep 32 bits. A short line borrows the values that
follow; a word near the end gets 0 for what is missing.

With an empty click (1 Hz) at 1000 Hz and 16 bits a section of tempo 60 is
meter x measures thousand samples, 2 bytes each, so the file's length shows
every section: here 1, 2, 4, 8 and 16 beats, then 4 x 8 borrowed from the
next line, then none for the word near the end (63 beats). Each line
that makes no section or borrows is named on standard error (shown: its
number and what is wrong).

  $ printf 'rate\t1000\nbits\t16\nHz\t1\n' > tiklora.txt; printf 'Song\n\n\t\ttmap\t60\t1\t1\r\nintro\ttmap\t60\t2\t1 verse\n tmap\t60\t99\t1\ntmap 60 99 1\n' > tmap.txt
  $ printf 'TMAP\t60\t99\t1\ntmap\t60x\t2\t2\ntmap\t 0x3c \t2\t4\ntmap\t60\t-4294967288\t2b\ntmap\t60\t4\ntmap\t8\t1\t1\ntmap\t60\t64' >> tmap.txt
  >   echo $(printf 'rtm\nx\n' | tikvane 2>&1 | grep -o -e 'line [0-9]*: [^;]*' -e 'Found.*') $(sizes click.wav)
  line 5: blanks before tmap line 6: blanks between the values line 10: the beats per measure value is -4294967288 line 11: fewer than three values line 13: fewer than three values Found 7 map entries. 126044 126036 126000

Blanks between the values are named by line, while the sections and the
track stay as they were (shown: the lines named, the count, the track's
length and checksum). A song of 79.825 s at 1000 Hz, with blanks between
the beats and measures of its second line, or between the values of its
last line or of every line: the second line takes its measures from the
third, which is lost; the outro is missing; two sections of 92 x 92
beats make 92 minutes.

  $ printf 'rate\t1000\nbits\t16\n' > tiklora.txt; for blanks in '2s/\t/ /3' '$s/\t/ /2g' 's/\t/ /2g'; do
  >   printf 'tmap\t%s\t%s\t%s\n' 92 4 4 92 4 16 92 3 8 80 4 4 | sed "$blanks" > tmap.txt; echo $(printf 'rtm\nx\n' | tikvane 2>&1 | grep -o -e 'line [0-9]: [^;]*' -e 'Found.*' -e '[0-9:.]* at') $(cksum < click.wav); done
  line 2: blanks between the values Found 3 map entries. 4:22.434 at 151572162 524912
  line 4: blanks between the values Found 4 map entries. 1:07.825 at 1455229003 135694
  line 1: blanks between the values line 2: blanks between the values line 3: blanks between the values line 4: blanks between the values Found 2 map entries. 92:00.000 at 488446424 11040044

Sections of no finite length add nothing but still count as the last
section; a value that is not above 0 is named.

  $ printf 'bits\t16\nHz\t1\n' > tiklora.txt; printf 'tmap\t100\t4\t2\ntmap\t0\t4\t4\ntmap\t90\t0\t4\ntmap\tinf\t1\t1\ntmap\t90\t4\tx\ntmap\tnan\t1\t1\n' > tmap.txt
  >   echo $(printf 'rtm\nx\n' | tikvane 2>&1 | grep -o -e 'line [0-9]: [^;]*' -e '.*Found.*' -e '.*adjust.*') $(sizes click.wav)
  Enter 't' to adjust tempo (120.0 bpm). line 2: the tempo value is 0 line 3: the beats per measure value is 0 line 4: the tempo value is inf line 5: the measures value is not a number line 6: the tempo value is nan Found 6 map entries. Enter 't' to adjust tempo (nan bpm). 423404 423396 423360

A map that is not there, that cannot be read (a folder), that is not a
regular file (a FIFO, refused at once rather than waited on) or is longer
than 1 MiB, or that holds no entry (blanks instead of TABs, each such line named on standard error)
is reported with its name; no file is touched and the menu comes back with every
setting as it was (here the tempos 90 and 70, saved by s). A map of
exactly 1 MiB is read.

  $ rm click.wav tmap.txt; printf 't 90\nrtm\nptm\ns\nx\n' | tikvane | grep Could | uniq -c; echo $(ls) $(grep tempo tiklora.txt)
  >   mkdir tmap.txt; printf 'ptm\nx\n' | tikvane | grep Could; rmdir tmap.txt; mkfifo tmap.txt
  >   echo $(printf 't 70\nrtm\nptm\ns\nx\n' | timeout 5 tikvane | grep Could | uniq -c) $(grep tempo tiklora.txt); rm tmap.txt; for size in 1048576 1048577; do
  >   { printf 'tmap\t1\t0\t0\n'; head -c $((size - 11)) /dev/zero; } > tmap.txt; printf 'rtm\nx\n' | tikvane 2> /dev/null | grep -e Could -e Found; done
  >   printf 'tmap 120 4 48\n' > tmap.txt; printf 't 80\nrtm\nptm\ns\nx\n' | tikvane 2>&1 | grep -e Could -e line | sort | uniq -c; grep tempo tiklora.txt
        2 Could not read the tempo map 'tmap.txt': No such file or directory
  tiklora.txt tempo 90.00
  Could not read the tempo map 'tmap.txt': Is a directory
  2 Could not read the tempo map 'tmap.txt': it is not a regular file tempo 70.00
  Found 1 map entries.
  Could not read the tempo map 'tmap.txt': File too large
        2 tmap.txt, line 1: blanks between the values; put a TAB after tmap and between tempo, beats and measures (cat -A shows a TAB as ^I).
        2 tmap.txt: Could not find tempo entries in map file.
  tempo	80.00

A map whose sections together would pass what a WAV header can state is
refused before anything is written, though each alone would fit: two of
4500 measures of 4 at 100 bpm, at 96000 Hz. The file there stays as it
was, and so does the tempo.

  $ printf 'rate\t96000\n' > tiklora.txt; printf 'tmap\t100\t4\t4500\n%.0s' 1 2 > tmap.txt; cp click.wav before
  >   echo $(printf 'rtm\nx\n' | tikvane | grep -o -e "Can.*" -e "tempo (.*bpm" | tail -2) $(cmp click.wav before && echo untouched)
  Can't write click.wav: its data would come to up to 6220828800 bytes, more than the 4294967259 a WAV header can state. tempo (120.0 bpm untouched
