w with the defaults (44100 Hz, 24 bits, 120 bpm, 48 measures of 4): 192
clicks 22050 samples apart, silence between, 4233600 samples in all. At 16
bits each sample is the 24-bit one without its low byte. A track of no
measures is a header alone (here at 48000 Hz, 16 bits).

  $ for depth in 2 1; do rm -f click.wav; printf "1\n$depth\nw\nx\n" | tikvane &> /dev/null; sha256sum click.wav; done
  8bce70d0077cbabc5aaee8798753932f71dc4e7b07160bdcbafcb96489f483ab  click.wav
  969d95dd0d4c447b85797a44d904e7db4149fff6272186bc9c58606f30840657  click.wav
  $ printf '2\n1\nn empty.wav\nm 0\nw\nx\n' | tikvane &> /dev/null; od -An -tx1 empty.wav | tr -d '\n'
   52 49 46 46 24 00 00 00 57 41 56 45 66 6d 74 20 10 00 00 00 01 00 01 00 80 bb 00 00 00 77 01 00 02 00 10 00 64 61 74 61 00 00 00 00 (no-eol)

+ adds a track to the end of a file and corrects its sizes: here twice
after w, three tracks of one measure (`sizes` shows the file's length, its
RIFF size and its data size). Each write ends with a line on standard
error that sums up the whole file and the clicks this command wrote.

  $ printf '1\n2\nm 1\nw\n+\n+\nx\n' | tikvane 2>&1 > /dev/null | tail -n 1; echo $(sizes click.wav) $(clicks.py click.wav 2205 | sed -n 2p)
  click.wav: 264600 samples, 0:06.000 at 44100 Hz; this + wrote 4 clicks.
  793844 793836 793800 apart: 22050 (11)

A file system that takes only part of a write, as network and FUSE
mounts may, gets the rest in the writes that follow: w and + there give
the bytes they give on this disk (a mount that takes at most 1000 bytes
a write, in a namespace of the case's own).

  $ mkdir disk mount; printf '1\n2\nm 1\nw\n+\nx\n' > commands; tikvane < commands &> /dev/null
  [2]
  $ unshare -rm sh -c 'shortfs.py disk mount && cd mount && tikvane < ../commands 2>&1 > /dev/null | tail -n 1; cd .. && umount mount'
  >   cmp click.wav disk/click.wav && echo same
  click.wav: 176400 samples, 0:04.000 at 44100 Hz; this + wrote 4 clicks.
  same

The click is 8 harmonics of the lowest frequency, 3 periods each, the
amplitude halving per harmonic and per period. Harmonics whose octave
passes half the rate are dropped (172.2734 Hz keeps 8, 200 Hz 7, 5000 Hz
3, 30000 Hz none: 3 silent samples); periods are dropped until the click
is shorter than a second (2 Hz keeps 1); a fractional frequency's click is
the whole-number click cut at its own length. A frequency of 0, below 0 or
not a number, or so low that a period reaches 2^61 samples (0x1.5888p-46
Hz is 44100 / 2^61), gives an empty click, without a word, and a track
that holds no click. One measure of each: all the program says of too low
a frequency or of no click written, and the files' bytes together.

  $ for f in 200 5000 30000 2 60.5 172.2734 0 -60 inf nan 0x1.5888p-46; do printf 'f %s\nn %s.wav\nw\n' $f $f; done |
  >   cat <(printf '1\n2\nm 1\n') - | tikvane 2>&1 | grep -e 'too low' -e 'wrote 0 clicks' | cut -d: -f1 | paste -sd ' '
  >   cat 200.wav 5000.wav 30000.wav 2.wav 60.5.wav 172.2734.wav 0.wav ./-60.wav inf.wav nan.wav 0x1.5888p-46.wav | sha256sum
  0.wav -60.wav inf.wav nan.wav 0x1.5888p-46.wav
  1098f1d1bd2c7046b10892af4e7f0f5866c79a11977d69389e0cfffddfd3e009  -

Beat k is due when the samples written reach rate x 60 / tempo x k,
compared in single precision; the whole click is written there. At 160 bpm
a beat is 16537.5 samples: clicks at the first whole sample. At 1199.7 bpm
a beat is due less than a sample after the click before ends; at 1500 bpm
the click (2205 samples) is longer than the beat and the next follows at
once, the last running past the track's end, all counted by the header.
A track of one sample (1764000 bpm, one beat) holds the whole click. With
a negative tempo and meter the beats are all due at once, so the clicks
follow one another.

  $ track() { rm -f click.wav; printf "1\n2\nm 1\n$1\nw\nx\n" | tikvane &> /dev/null; echo "$(sizes click.wav): $(clicks.py click.wav 2205 | head -n 2 | paste -sd ' ')"; }
  $ track 't 160'; track 't 1199.7'; track 't 1500'; track 't 1764000\nb 1'; track 't -60\nb -4'
  198494 198486 198450: 4 clicks at 0 16538 33075 49613 apart: 16537 (1) 16538 (2)
  26510 26502 26466: 4 clicks at 0 2206 4412 6617 apart: 2205 (1) 2206 (2)
  26504 26496 26460: 4 clicks at 0 2205 4410 6615 apart: 2205 (3)
  6659 6651 6615: 1 clicks at 0 apart:
  529244 529236 529200: 80 clicks at 0 2205 4410 6615 ... apart: 2205 (79)

An empty click (1 Hz) places nothing and the track is silence, also where
every beat is due at once, and where beats are 1/64 of a sample apart, so
that past 2^24 beats the beat count no longer grows in single precision.

  $ for commands in 't -60\nb -4' 't 169344000\nb 32768\nm 1024'; do rm click.wav; printf "1\n2\nm 1\nf 1\n$commands\nw\nx\n" |
  >   tikvane &> /dev/null; echo -n "$(sizes click.wav), $(tail -c +45 click.wav | tr -d '\0' | wc -c) bytes not silent; "; done
  529244 529236 529200, 0 bytes not silent; 1572908 1572900 1572864, 0 bytes not silent;  (no-eol)

A track lasts meter x measures beats at the tempo: at start-up worked out
in single precision, after t, b or m in double precision rounded to
single, which differ in the last place (one beat at 39.2 bpm: 67499 and
67500 samples, with an empty click). Each of t, b and m changes it
(shown: the files' lengths).

  $ printf 'tempo\t39.2\nmeter\t1\nmeas\t1\nHz\t1\n' > tiklora.txt; printf 'w\nt 39.2\nn t.wav\nw\nb 3\nn b.wav\nw\nm 2\nn m.wav\nw\nx\n' | tikvane &> /dev/null
  >   for f in click t b m; do wc -c < $f.wav; done | paste -sd ' '
  202541 202544 607541 1215041

Past 2^24 samples a float no longer holds every count, and a beat falls
on the first count whose float value reaches it: a beat of 2^25 samples
(0.9375 bpm at 524288 Hz) is reached at 2^25 - 1, which rounds to 2^25,
and the second click of a one-beat track starts there (running past its
end).

  $ printf 'rate\t524288\nbits\t16\ntempo\t0.9375\nmeter\t1\nmeas\t1\n' > tiklora.txt; echo w | tikvane &> /dev/null; clicks.py click.wav 26214 | head -n 1
  2 clicks at 0 33554431

A track whose data would pass what a WAV header can state (4294967259
bytes) is refused before anything is written, naming the file, the size
(a last click may run past the end) and the limit: at 96000 Hz and 24 bits
7500 measures of 4 at 120 bpm, and one measure at 0.001 bpm. The file
there stays as it was and the menu comes back (s saves the settings).

  $ rm tiklora.txt; cp click.wav before.wav; printf '4\n2\nm 7500\nw\nm 1\nt 0.001\nw\ns\nx\n' | tikvane | grep Can
  >   cmp click.wav before.wav && cut -f 2 tiklora.txt | paste -sd ' '
  Can't write click.wav: its data would come to up to 4320014400 bytes, more than the 4294967259 a WAV header can state.
  Can't write click.wav: its data would come to up to 69120008256 bytes, more than the 4294967259 a WAV header can state.
  96000 default 24 0.00 60.00 10.0 4 1 click.wav tmap.txt

+ is held to the same bound: one measure at 0.001 bpm is not added to a
track of no samples, which stays a header alone.

  $ printf 'm 0\nw\nm 1\nt 0.001\n+\nx\n' | tikvane | grep Can; sizes click.wav
  click.wav: 0 samples, 0:00.000 at 96000 Hz; this w wrote 0 clicks.
  Can't add to click.wav: its data would come to up to 69120008256 bytes, more than the 4294967259 a WAV header can state.
  44 36 0
