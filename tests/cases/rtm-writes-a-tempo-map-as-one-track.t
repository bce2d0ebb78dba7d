rtm reads the tempo map and writes its sections one after the other, each
starting its own beat grid with a click. The help screen's example: 48
measures of 4 at 120 bpm, then 16 of 3 at 160.

  $ printf 'tmap\t120\t4\t48\ntmap\t160\t3\t16\n' > tmap.txt
  $ printf '1\n2\nrtm\nx\n' | tikvane
  {first-run}
  {menu}
  
  Parsing tmap file..
  Found 2 map entries.
  {menu tempo=160.0}
  [2]
  $ tikprobe wav click.wav; tikprobe clicks click.wav 2205; sha256sum click.wav
  15082244 bytes: RIFF size 15082236, data size 15082200; 1 channel(s) at 44100 Hz, 24 bits
  240 clicks at 0 22050 44100 66150 ...
  apart: 16537 (23) 16538 (24) 22050 (192)
  other samples not silent: 0
  bd5e0e9f53c522505b91fb5e6d8255fad3bb57ebebf2651279c252b9234518bb  click.wav

The last section's tempo and length stay: a w after rtm writes 18 s at 160
bpm.

  $ printf '1\n2\nrtm\nw\nx\n' | tikvane > /dev/null; tikprobe wav click.wav
  2381444 bytes: RIFF size 2381436, data size 2381400; 1 channel(s) at 44100 Hz, 24 bits

A section's length is worked out in single precision: 40.5 bpm gives
12544001 samples where the exact length is 12544000 (an empty click, from
1 Hz, so that no click runs past the end). Sections of no finite length add
nothing but still set the tempo. One entry is counted in the same words.

  $ printf 'tmap\t40.5\t4\t48\n' > tmap.txt
  $ printf 'bits\t16\nHz\t1\n' > tiklora.txt
  $ echo rtm | tikvane | grep -e Parsing -e Found; tikprobe wav click.wav
  Parsing tmap file..
  Found 1 map entries.
  25088046 bytes: RIFF size 25088038, data size 25088002; 1 channel(s) at 44100 Hz, 16 bits
  $ printf 'tmap\t100\t4\t2\ntmap\t0\t4\t4\ntmap\t90\t0\t4\ntmap\tnan\t1\t1\n' > tmap.txt
  $ printf 'rtm\nx\n' | tikvane | grep -e Found -e adjust; tikprobe wav click.wav
  	Enter 't' to adjust tempo (120.0 bpm).
  Found 4 map entries.
  	Enter 't' to adjust tempo (nan bpm).
  423404 bytes: RIFF size 423396, data size 423360; 1 channel(s) at 44100 Hz, 16 bits

A map without entries ends the program before any file is touched.

  $ rm click.wav; printf 'tmap 120 4 48\n' > tmap.txt
  $ echo rtm | tikvane | tail -n 2; ls
  Parsing tmap file..
  Could not find tempo entries in map file.
  tiklora.txt
  tmap.txt
  $ echo rtm | tikvane > /dev/null
  [2]
