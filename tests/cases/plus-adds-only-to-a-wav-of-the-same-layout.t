+ appends a track at the current settings and corrects the sizes; it checks
the file first and leaves it untouched when it refuses (status 2). Here the
settings write one measure of 4 at 240 bpm (44100 samples) into t.wav.

  $ printf 'meas\t1\ntempo\t240\nsave\tt.wav\n' > tiklora.txt
  $ add() { cp t.wav before; echo + | tikvane > out; echo "[$?] $(tail -n 1 out)"; cmp t.wav before && echo untouched; }

No file at all: nothing is made.

  $ echo + | tikvane > out; echo "[$?] $(tail -n 1 out)"; rm out; ls
  [2] The requested filename does not exist!
  tiklora.txt

A file without a "data" tag at an even offset from 2 to 15000, or whose
tag is cut off before its size field, or without a "fmt " chunk:

  $ wav() { printf 'RIFF\0\0\0\0WAVEfmt \20\0\0\0\1\0\1\0\104\254\0\0\314\4\2\0\3\0\30\0'; }
  $ echo 'just some text' > t.wav; add
  [2] Can't find data block in wave file!
  untouched
  $ { wav; head -c 14966 /dev/zero; printf 'data\0\0\0\0'; } > t.wav; add
  [2] Can't find data block in wave file!
  untouched
  $ { wav; printf '\0data\0\0\0\0'; } > t.wav; add
  [2] Can't find data block in wave file!
  untouched
  $ { wav; printf 'data'; } > t.wav; add
  [2] Can't find data block in wave file!
  untouched
  $ printf 'data\0\0\0\0' > t.wav; add
  [2] Can't find data block in wave file!
  untouched
  $ printf '\0\0data\0\0\0\0' > t.wav; add
  [2] Can't find fmt block in wave file!
  untouched

A file of another layout: no samples of another depth, rate or channel
count are glued to it.

  $ tikprobe header t.wav 44100 16 0; add
  [2] Can't add to t.wav: it holds 1 channel(s) at 44100 Hz, 16 bits; the settings write 1 channel at 44100 Hz, 24 bits.
  untouched
  $ tikprobe header t.wav 48000 24 0; add
  [2] Can't add to t.wav: it holds 1 channel(s) at 48000 Hz, 24 bits; the settings write 1 channel at 44100 Hz, 24 bits.
  untouched
  $ tikprobe header t.wav 109636 24 0; add
  [2] Can't add to t.wav: it holds 1 channel(s) at 109636 Hz, 24 bits; the settings write 1 channel at 44100 Hz, 24 bits.
  untouched
  $ tikprobe header t.wav 4294967295 280 0; add
  [2] Can't add to t.wav: it holds 1 channel(s) at 4294967295 Hz, 280 bits; the settings write 1 channel at 44100 Hz, 24 bits.
  untouched
  $ { wav; printf 'data\0\0\0\0'; } | sed 's/^\(.\{22\}\)./\1\x02/' > t.wav; add
  [2] Can't add to t.wav: it holds 2 channel(s) at 44100 Hz, 24 bits; the settings write 1 channel at 44100 Hz, 24 bits.
  untouched
  $ { wav; printf 'data\0\0\0\0'; } | sed 's/^\(.\{22\}\)../\1\x02\x01/' > t.wav; add
  [2] Can't add to t.wav: it holds 258 channel(s) at 44100 Hz, 24 bits; the settings write 1 channel at 44100 Hz, 24 bits.
  untouched

Where the tag is, the size goes: a tag at 15000 is found, and the first
"data" at an even offset wins, even inside another chunk. The RIFF size is
the file's length less 8.

  $ { wav; head -c 14964 /dev/zero; printf 'data\0\0\0\0'; } > t.wav
  $ echo + | tikvane > /dev/null; wc -c < t.wav; od -An -tu4 -j4 -N4 t.wav; od -An -tu4 -j15004 -N4 t.wav
  147308
       147300
       132300
  $ { wav; head -c 64 /dev/zero; printf 'data'; head -c 100 /dev/zero; printf 'data\0\0\0\0'; } > t.wav
  $ echo + | tikvane > /dev/null; wc -c < t.wav; od -An -tu4 -j104 -N4 t.wav
  132512
       132404
