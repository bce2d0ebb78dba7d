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

+ finds a file's chunks by walking them by their sizes from offset 12,
never by looking for their ids among the bytes. A file that is not
RIFF/WAVE (here also RIFX, big-endian, and RIFF AVI), whose data chunk is cut off before its size field, whose only
"data" is in a chunk's text, or whose chunk before the data overruns the
file has no data chunk; one whose data comes before any "fmt " chunk (here
after a JUNK chunk) has no format. Last, a file + may not write:

  $ printf 'tempo\t240\n' >> tiklora.txt; { printf 'data\0\0\0\0' | add; wav 1 44100 24 0 | head -c 40 | add
  >   wav 1 44100 24 0 | sed 's/^RIFF/RIFX/' | add; wav 1 44100 24 0 | sed 's/WAVE/AVI /' | add
  >   { wav 1 44100 24 0 | head -c 12; printf 'LIST\14\0\0\0metadata\0\0\0\0'; } | add
  >   { wav 1 44100 24 0 | head -c 16; printf '\377\0\0\0'; wav 1 44100 24 0 | tail -c +21; } | add
  >   { wav 1 44100 24 0 | head -c 12; printf 'JUNK\20\0\0\0%016d' 0; wav 1 44100 24 0 | tail -c 8; } | add; } | uniq -c
        6 t.wav: Can't find data block in wave file! untouched
        1 t.wav: Can't find fmt block in wave file! untouched
  $ wav 1 44100 24 0 > t.wav; chmod 444 t.wav; chmod 755 .; [ "$(id -u)" = 0 ] && nobody='setpriv --reuid=65534 --regid=65534 --clear-groups'
  >   printf '+\nx\n' | $nobody tikvane | grep Can; rm -f t.wav
  Can't add to t.wav: Permission denied

A file of another layout: no samples of another depth, rate or channel
count are glued to it, nor integer PCM to a float file (tag 3) or to sox's
extensible 24-bit file made to state 20 valid bits, or an extension too
short to hold its subformat (0 bytes).

  $ for layout in '1 44100 16' '1 4294967295 280' '2 44100 24'; do wav $layout 0 | add; done | sed 's/; the settings write 1 channel at 44100 Hz, 24 bits. untouched/;/' | paste -sd ' '
  Can't add to t.wav: it holds 1 channel(s) at 44100 Hz, 16 bits; Can't add to t.wav: it holds 1 channel(s) at 4294967295 Hz, 280 bits; Can't add to t.wav: it holds 2 channel(s) at 44100 Hz, 24 bits;
  $ for n in 44100 44101; do sox -r 44100 -n -b 24 -c 1 $n.wav trim 0 ${n}s; done
  >   { wav 1 44100 24 0 | perl -0777 -pe 's/^(.{20})./${1}\x03/s' | add; perl -0777 -pe 's/^(.{38})./${1}\x14/s' 44100.wav | add
  >     perl -0777 -pe 's/^(.{36})./${1}\x00/s' 44100.wav | add; } | uniq -c
        3 Can't add to t.wav: its samples are not 24-bit integer PCM of 3 bytes each, as the settings write them. untouched

A file whose data does not end on a whole sample (a write cut short by a
crash), whose header states more data than it holds, or whose data chunk
does not end the file (another program's LIST chunk after it, also after
odd data and its pad byte): samples
added to it would land off the sample grid or inside that chunk and sound
as noise.

  $ for more in '7 7' '9 6' '6 40' '9 50'; do set -- $more; { wav 1 44100 24 $1; head -c $2 /dev/zero; } | add; done
  Can't add to t.wav: its 7 data bytes end in a partial sample. untouched
  Can't add to t.wav: its header states 9 data bytes, but it holds 6. untouched
  Can't add to t.wav: its data chunk ends 34 bytes before the end of the file. untouched
  Can't add to t.wav: its data chunk ends 41 bytes before the end of the file. untouched

Files as other programs write them: sox writes 24-bit samples as
WAVE_FORMAT_EXTENSIBLE with a fact chunk, its data at 72, and after an odd
number of samples a pad byte; another program may put a JUNK chunk before
the format, and before the data a LIST chunk whose text holds "data", and
leave the RIFF size short of them. +
keeps every chunk before the data, puts the new samples right after the
stated data (over the pad byte) just as w writes them, and sets the sizes
and the fact count from the file. Shown: the clicks + says it wrote, the
file's length, RIFF size, data size, fact count, the samples sox counts,
and whether the new samples are w's.

  $ printf 'w\nx\n' | tikvane &> /dev/null; mv t.wav w.wav; { head -c 12 44100.wav; printf 'JUNK\34\0\0\0%028d' 0; tail -c +13 44100.wav | head -c 60
  >   printf 'LIST\25\0\0\0metadata x: data dat\0\0'; tail -c +73 44100.wav; } > list.wav
  $ for f in 44100:76:68 44101:76:68 list:142:104; do set -- ${f//:/ }; cp $1.wav t.wav
  >   echo $(printf '+\nx\n' | tikvane 2>&1 | grep -o '+ wrote 4') $(wc -c < t.wav) $(od -An -tu4 -j4 -N4 t.wav) $(od -An -tu4 -j$2 -N4 t.wav) $(od -An -tu4 -j$3 -N4 t.wav) $(soxi -s t.wav) $(tail -c 132300 w.wav | cmp - <(tail -c 132300 t.wav) && echo w); done
  + wrote 4 264680 264672 264600 88200 88200 w
  + wrote 4 264683 264675 264603 88201 88201 w
  + wrote 4 264746 264738 264600 88200 88200 w

A fact chunk too short to hold a count (2 bytes here) is left as it is
(shown: the chunks before the data kept, the data size, sox's count).

  $ { head -c 60 44100.wav; printf 'fact\2\0\0\0xx'; tail -c +73 44100.wav; } > short.wav; cp short.wav t.wav
  >   echo $(printf '+\nx\n' | tikvane 2>&1 | grep -o '+ wrote 4') $(cmp -i 8 -n 66 t.wav short.wav && echo kept) $(od -An -tu4 -j74 -N4 t.wav) $(soxi -s t.wav)
  + wrote 4 kept 264600 88200

A track of no samples (m 0) adds nothing, but the pad byte is cut all the
same and the sizes set from what is left.

  $ cp 44101.wav t.wav; echo $(printf 'm 0\n+\nx\n' | tikvane 2>&1 | grep -o '+ wrote.*') $(wc -c < t.wav) $(od -An -tu4 -j4 -N4 t.wav) $(od -An -tu4 -j76 -N4 t.wav)
  + wrote 0 clicks. 132383 132375 132303

A long session holds no file open: with at most 16 files open at once, 40
+ and 40 rtm after a w all run (shown: the tempo maps read, and the last
line).

  $ printf 'tmap\t240\t4\t1\n' > tmap.txt; (ulimit -n 16; { echo w; yes $'+\nrtm' | head -n 80; } | tikvane > out 2>&1)
  >   echo "$(grep -c Found out) $(tail -n 1 out)"
  40 	Enter 'rtm' to read tempo map file and write click track file.
