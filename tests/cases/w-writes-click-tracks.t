w with the defaults (44100 Hz, 24 bits, 120 bpm, 48 measures of 4): 192
clicks 22050 samples apart, silence between, 4233600 samples in all.

  $ printf '1\n2\nw\nx\n' | tikvane
  {first-run}
  {menu}
  
  {menu}
  [2]
  $ head -c 44 click.wav | od -An -tx1; tikprobe clicks click.wav 2205; sha256sum click.wav
   52 49 46 46 a4 cc c1 00 57 41 56 45 66 6d 74 20
   10 00 00 00 01 00 01 00 44 ac 00 00 cc 04 02 00
   03 00 18 00 64 61 74 61 80 cc c1 00
  192 clicks at 0 22050 44100 66150 ...
  apart: 22050 (191)
  other bytes not silent: 0
  8bce70d0077cbabc5aaee8798753932f71dc4e7b07160bdcbafcb96489f483ab  click.wav

At 16 bits each sample is the 24-bit one without its low byte. A track of
no measures is a header alone; + adds a track to the end of a file and
corrects its sizes (here twice after w, three tracks of one measure).

  $ rm click.wav; printf '1\n1\nw\nx\n' | tikvane > /dev/null; sha256sum click.wav
  969d95dd0d4c447b85797a44d904e7db4149fff6272186bc9c58606f30840657  click.wav
  $ printf '2\n1\nn empty.wav\nm 0\nw\nx\n' | tikvane > /dev/null; od -An -tx1 empty.wav
   52 49 46 46 24 00 00 00 57 41 56 45 66 6d 74 20
   10 00 00 00 01 00 01 00 80 bb 00 00 00 77 01 00
   02 00 10 00 64 61 74 61 00 00 00 00
  $ sizes() { echo $(wc -c < $1) $(od -An -tu4 -j4 -N4 $1) $(od -An -tu4 -j40 -N4 $1); }
  $ printf '1\n2\nm 1\nw\n+\n+\nx\n' | tikvane > /dev/null; sizes click.wav; tikprobe clicks click.wav 2205
  793844 793836 793800
  12 clicks at 0 22050 44100 66150 ...
  apart: 22050 (11)
  other bytes not silent: 0

The click is 8 harmonics of the lowest frequency, 3 periods each, the
amplitude halving per harmonic and per period. Harmonics whose octave
passes half the rate are dropped (200 Hz keeps 7, 500 Hz 6, 5000 Hz 3,
30000 Hz none: 3 silent samples); periods are dropped until the click is
shorter than a second (2 Hz keeps 1); a fractional frequency's click is
the whole-number click cut at its own length (60.5 Hz: 2184 samples). One
measure of each, and of 60 Hz at 96000 Hz:

  $ for f in 60 200 500 5000 30000 2 1.5 60.5 172.2734 172.28; do echo "f $f"; echo "n $f.wav"; echo w; done > in
  $ printf '1\n2\nm 1\n' | cat - in | tikvane > /dev/null; printf '4\n2\nn 96k.wav\nm 1\nw\nx\n' | tikvane > /dev/null
  [2]
  $ sha256sum *.wav | grep -v ' click.wav'
  2c401bf5c32a8c5fb0201b8ad03f120c48b57339b483597732d9c9b0d9e67908  1.5.wav
  693d8d63ae263ad2c9b5e8a6440312eed43a4c57e15a9efefaf47b8737b247c3  172.2734.wav
  e2c19e174e72c5075f216518e31d47009f4857f27c11e5f08acc27e6b46f7ac3  172.28.wav
  706e34fdd866d10c93c954058a0f1d7e4256f39b4ccfd25f43ad74ce8a5b9a0a  2.wav
  91bb1e88d5e73472b261e50301b3bdd85815100d6b6b95d3556cb2e932dd37d7  200.wav
  041421370984ac0dcc3706775f076d43db9099f7f9df82b786a52aa757b34110  30000.wav
  ea1f807b88400320c39fd8b557bb5e2b4cccc4d9ce38d3a75b3015c5c6c9d409  500.wav
  3dfbe7ec11edf20801960de5b716671bc70217ee158ebfd04037ab314c48b0bb  5000.wav
  1628dd84a004398fb83739ea19b7f887b8286365fe33fa1cc5c36f70c8e60fbc  60.5.wav
  ca936a645b4ac9af1010cd175d1e0118fc06175c1c79ff5cc274ca07207b1f16  60.wav
  248ef75bc3bafae0e52e0a573c69bcd6b0726cdbfdb0b61d2e2d7c4c5a90f223  96k.wav
  531cd597b25052b4845ef2f3887dec2183240802a93b6e044960de8ba017caa0  empty.wav

Beat k is due when the samples written reach rate x 60 / tempo x k,
compared in single precision; the whole click is written there. At 160 bpm
a beat is 16537.5 samples: clicks at the first whole sample. At 1199.7 bpm
a beat is due less than a sample after the click before ends; at 1500 bpm
the click (2205 samples) is longer than the beat and the next follows at
once, the last running past the track's end, all counted by the header.
A track of one sample (1764000 bpm, one beat) holds the whole click.

  $ write() { rm -f click.wav; printf "1\n2\nm 1\n$1\nw\nx\n" | tikvane > /dev/null; sizes click.wav; }
  $ track() { write "$1"; tikprobe clicks click.wav 2205 | head -n 2; }
  $ silent() { write "$1"; tail -c +45 click.wav | tr -d '\0' | wc -c; }
  $ track 't 160'
  198494 198486 198450
  4 clicks at 0 16538 33075 49613
  apart: 16537 (1) 16538 (2)
  $ track 't 1199.7'
  26510 26502 26466
  4 clicks at 0 2206 4412 6617
  apart: 2205 (1) 2206 (2)
  $ track 't 1500'
  26504 26496 26460
  4 clicks at 0 2205 4410 6615
  apart: 2205 (3)
  $ track 't 1764000
  > b 1'
  6659 6651 6615
  1 clicks at 0
  apart:

A negative tempo with a negative meter still gives a length: the beats are
all due at once, so the clicks follow one another; an empty click (1 Hz)
places nothing and the track is silence. Beats 1/64 of a sample apart with
an empty click: past 2^24 beats the beat count no longer grows in single
precision, and the rest is silence.

  $ track 't -60
  > b -4'
  529244 529236 529200
  80 clicks at 0 2205 4410 6615 ...
  apart: 2205 (79)
  $ silent 't -60
  > b -4
  > f 1'
  529244 529236 529200
  0
  $ silent 't 169344000
  > b 32768
  > m 1024
  > f 1'
  1572908 1572900 1572864
  0

Past 2^24 samples (a 16-bit track of 1169 beats at 179.3 bpm), the written
count is compared as a single-precision number: a beat is met on a float
value, a sample early or late.

  $ printf '1\n1\nt 179.3\nb 1\nm 1169\nw\nx\n' | tikvane > /dev/null; tikprobe clicks click.wav 2205; sha256sum click.wav
  1170 clicks at 0 14758 29515 44273 ...
  apart: 14756 (11) 14757 (704) 14758 (443) 14759 (11)
  other bytes not silent: 0
  031e8cf3aca57b0685c49154acd3173ad58cd77b2b2b85c9e94ad9bb4831eee3  click.wav

A track lasts meter x measures beats at the tempo: at start-up worked out
in single precision, after t, b or m in double precision rounded to
single, which differ in the last place (one beat at 39.2 bpm: 67499 and
67500 samples, with an empty click). Each of t, b and m changes it.

  $ printf 'tempo\t39.2\nmeter\t1\nmeas\t1\nHz\t1\n' > tiklora.txt
  $ printf 'w\nx\n' | tikvane > /dev/null; sizes click.wav
  202541 202533 202497
  $ printf 't 39.2\nw\nx\n' | tikvane > /dev/null; sizes click.wav
  202544 202536 202500
  $ printf 'b 3\nw\nx\n' | tikvane > /dev/null; sizes click.wav
  607541 607533 607497
  $ printf 'm 2\nw\nx\n' | tikvane > /dev/null; sizes click.wav
  405044 405036 405000
