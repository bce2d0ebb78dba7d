w with the defaults (44100 Hz, 24 bits, 120 bpm, 48 measures of 4): 192
clicks 22050 samples apart, silence between, 4233600 samples in all.

  $ printf '1\n2\nw\nx\n' | tikvane
  {first-run}
  {menu}
  
  {menu}
  [2]
  $ tikprobe wav click.wav; tikprobe clicks click.wav 2205
  12700844 bytes: RIFF size 12700836, data size 12700800; 1 channel(s) at 44100 Hz, 24 bits
  192 clicks at 0 22050 44100 66150 ...
  apart: 22050 (191)
  other samples not silent: 0
  $ head -c 44 click.wav | od -An -tx1
   52 49 46 46 a4 cc c1 00 57 41 56 45 66 6d 74 20
   10 00 00 00 01 00 01 00 44 ac 00 00 cc 04 02 00
   03 00 18 00 64 61 74 61 80 cc c1 00
  $ sha256sum click.wav
  8bce70d0077cbabc5aaee8798753932f71dc4e7b07160bdcbafcb96489f483ab  click.wav

+ adds a track to its end and corrects the sizes; twice after w makes three
tracks, all counted (here of one measure each).

  $ printf '1\n2\nm 1\nw\n+\n+\nx\n' | tikvane > /dev/null; tikprobe wav click.wav; tikprobe clicks click.wav 2205
  793844 bytes: RIFF size 793836, data size 793800; 1 channel(s) at 44100 Hz, 24 bits
  12 clicks at 0 22050 44100 66150 ...
  apart: 22050 (11)
  other samples not silent: 0

At 16 bits each sample is the 24-bit one without its low byte. Another
file name and rate; a track of no measures is a header alone.

  $ rm click.wav; printf '1\n1\nw\nx\n' | tikvane > /dev/null; sha256sum click.wav
  969d95dd0d4c447b85797a44d904e7db4149fff6272186bc9c58606f30840657  click.wav
  $ printf '2\n1\nn empty.wav\nm 0\nw\nx\n' | tikvane > /dev/null; od -An -tx1 empty.wav
   52 49 46 46 24 00 00 00 57 41 56 45 66 6d 74 20
   10 00 00 00 01 00 01 00 80 bb 00 00 00 77 01 00
   02 00 10 00 64 61 74 61 00 00 00 00

Sizes of 4 GiB or more are written modulo 2^32.

  $ tikprobe header big.wav 44100 24 1431655766; tikprobe wav big.wav
  44 bytes: RIFF size 38, data size 2; 1 channel(s) at 44100 Hz, 24 bits

sox reads what w, + and rtm write.

  $ printf 'tmap\t120\t4\t2\ntmap\t160\t3\t2\n' > tmap.txt
  $ printf '2\n2\nm 1\nn w.wav\nw\nn a.wav\nw\n+\nn m.wav\nrtm\nx\n' | tikvane > /dev/null
  [2]
  $ for f in w a m; do echo $f: $(soxi -c $f.wav) $(soxi -r $f.wav) $(soxi -b $f.wav) $(soxi -s $f.wav); done
  w: 1 48000 24 96000
  a: 1 48000 24 192000
  m: 1 48000 24 300000
