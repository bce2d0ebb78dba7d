A section is the word tmap, then tempo, beats per measure and measures,
each after a TAB; everything else in the file is passed over.

  $ printf 'tmap\t120\t4\t48\ntmap\t160\t3\t16\n' > m; tikprobe map m
  120/4/48
  160/3/16
  $ printf 'tmap\t120\t4\t48\r\ntmap\t160\t3\t16\r\n' > m; tikprobe map m
  120/4/48
  160/3/16

Titles, blank lines, TABs before the word and words before it on the line
do not disturb; blanks before it or between the values do, and so does
another case.

  $ printf 'Song title\n\n\t\ttmap\t100\t4\t8\nintro\ttmap\t100\t4\t8\ntmap\t92.5\t7\t2\tverse\n' > m
  $ tikprobe map m
  100/4/8
  100/4/8
  92.5/7/2
  $ printf '  tmap\t100\t4\t8\ntmap 100 4 8\nTMAP\t1\t2\t3\n' > m; tikprobe map m

Each value is its leading number; integers keep 32 bits.

  $ printf 'tmap\tfast\t4\t12b\ntmap\t-60\t-3\t4294967297\n' > m; tikprobe map m
  0/4/12
  -60/-3/1

A short line borrows the values that follow; a word near the end gets 0
for what is missing. Text after a NUL byte is ignored.

  $ printf 'tmap\t120\t4\ntmap\t160\t3\t16\n' > m; tikprobe map m
  120/4/160
  $ printf 'tmap\t120\t4' > m; tikprobe map m; printf 'tmap' > m; tikprobe map m
  120/4/0
  0/0/0
  $ printf 'tmap\t120\t4\t48\n\0tmap\t160\t3\t16\n' > m; tikprobe map m
  120/4/48

A map holds any number of sections.

  $ for i in $(seq 300); do printf 'tmap\t%d\t4\t1\n' $i; done > m; tikprobe map m | sed -n '1p;255,256p;$p'
  1/4/1
  255/4/1
  256/4/1
  300/4/1
