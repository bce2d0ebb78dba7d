+ appends a track at the current settings and corrects the sizes; it checks
the file first, and when it refuses it says why, naming the file, leaves
the file untouched and comes back to the menu. Here the settings write one
measure of 4 at 240 bpm (44100 samples) into t.wav. `add` makes t.wav of
what it reads and runs +; `wav C R B D` makes a header of C channels at R
Hz, B bits, stating D data bytes.

  $ printf 'meas\t1\ntempo\t240\nsave\tt.wav\n' > tiklora.txt
  $ add() { cat > t.wav; cp t.wav before; echo "$(printf '+\nx\n' | tikvane | tail -n 22 | head -n 1) $(cmp t.wav before && echo untouched)"; }

No file at all: nothing is made, and the settings stay (a t 90 before is
saved by the s after).

  $ echo $(printf 't 90\n+\ns\nx\n' | tikvane | grep exist) $(ls) $(grep tempo tiklora.txt)
  t.wav: The requested filename does not exist! tiklora.txt tempo 90.00

A file without a "data" tag at an even offset from 2 to 15000, or whose
tag is cut off before its size field, or without a "fmt " chunk, or that
cannot be written:

  $ printf 'tempo\t240\n' >> tiklora.txt; { { wav 1 44100 24 0 | head -c 36; head -c 14966 /dev/zero; printf 'data\0\0\0\0'; } | add
  >   { wav 1 44100 24 0 | head -c 36; printf '\0data\0\0\0\0'; } | add; wav 1 44100 24 0 | head -c 40 | add
  >   printf 'data\0\0\0\0' | add; printf '\0\0data\0\0\0\0' | add; } | uniq -c
        4 t.wav: Can't find data block in wave file! untouched
        1 t.wav: Can't find fmt block in wave file! untouched
  $ wav 1 44100 24 0 > t.wav; chmod 444 t.wav; chmod 755 .; [ "$(id -u)" = 0 ] && nobody='setpriv --reuid=65534 --regid=65534 --clear-groups'
  >   printf '+\nx\n' | $nobody tikvane | grep Can; rm -f t.wav
  Can't add to t.wav: Permission denied

A file of another layout: no samples of another depth, rate or channel
count are glued to it.

  $ for layout in '1 44100 16' '1 4294967295 280' '2 44100 24'; do wav $layout 0 | add; done | sed 's/; the settings write 1 channel at 44100 Hz, 24 bits. untouched/;/' | paste -sd ' '
  Can't add to t.wav: it holds 1 channel(s) at 44100 Hz, 16 bits; Can't add to t.wav: it holds 1 channel(s) at 4294967295 Hz, 280 bits; Can't add to t.wav: it holds 2 channel(s) at 44100 Hz, 24 bits;

A file whose data does not end on a whole sample (a write cut short by a
crash), whose header states more data than it holds, or whose data chunk
does not end the file (another program's LIST chunk after it): samples
added to it would land off the sample grid or inside that chunk and sound
as noise.

  $ for more in '7 7' '9 6' '6 40'; do set -- $more; { wav 1 44100 24 $1; head -c $2 /dev/zero; } | add; done
  Can't add to t.wav: its 7 data bytes end in a partial sample. untouched
  Can't add to t.wav: its header states 9 data bytes, but it holds 6. untouched
  Can't add to t.wav: its data chunk ends 34 bytes before the end of the file. untouched

Where the tag is, the size goes: a tag at 15000 is found. The sizes are
corrected to what the file holds even when no sample is added (m 0): the
RIFF size is the file's length less 8 (shown: the file's length, the RIFF
size and the data size).

  $ { wav 1 44100 24 0 | head -c 36; head -c 14964 /dev/zero; printf 'data\3\0\0\0'; head -c 3 /dev/zero; } > t.wav
  >   printf 'm 0\n+\nx\n' | tikvane &> /dev/null; echo $(wc -c < t.wav) $(od -An -tu4 -j4 -N4 t.wav) $(od -An -tu4 -j15004 -N4 t.wav)
  15011 15003 3

A long session holds no file open: with at most 16 files open at once, 40
+ and 40 rtm after a w all run (shown: the tempo maps read, and the last
line).

  $ printf 'tmap\t240\t4\t1\n' > tmap.txt; (ulimit -n 16; { echo w; yes $'+\nrtm' | head -n 80; } | tikvane > out 2>&1)
  >   echo "$(grep -c Found out) $(tail -n 1 out)"
  40 	Enter 'rtm' to read tempo map file and write click track file.
