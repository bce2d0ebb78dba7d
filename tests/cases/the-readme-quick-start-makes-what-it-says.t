The README's quick start, typed as it stands there: its dialogue (the
lines from the first-run answers to x, comments cut) goes into the
program, with the default device made alsa-lib's file plugin over null.
The README says what comes of it: 20 s of listening count 9 measures;
song.wav holds 256 clicks 26460 samples apart, 6773760 samples, as w says
on standard error; the next start loads what s saved.

  $ readme=$TESTDIR/../README.md; echo 'pcm.!default { type file; slave.pcm "null"; file "/dev/null"; format "raw" }' > .asoundrc
  >   sed -n '/^    1 .*# Enter sample rate/,/^    x /s/^ *\([^#]*[^# ]\) *#.*/\1/p' $readme | paste -sd ' ' | tee typed
  >   echo $(tr ' ' '\n' < typed | tikvane | grep -c Measure) $(wc -c < song.wav) $(clicks.py song.wav 2205 | head -n 2) $(echo x | tikvane | grep meter)
  1 2 t 100 b 4 m 64 n song.wav w al 20 a s x
  song.wav: 6773760 samples, 2:33.600 at 44100 Hz; this w wrote 256 clicks.
  9 20321324 256 clicks at 0 26460 52920 79380 ... apart: 26460 (255) meter: 4 meas: 64 atime: 20.0

Its tempo map, made with its printf line, and the example map that ships
give the same track, written by rtm into song.wav: 184 clicks, 26460
samples apart and 29400 in the outro, 4915680 samples. ptm plays the six
sections in turn, measures counted from 1 in each (shown: rtm's and ptm's
count of entries, each section and its measure lines, the track).

  $ eval "$(grep "^    printf 'tmap.t%s" $readme)"; printf 'rtm\nptm\nx\n' | tikvane 2> /dev/null | awk '/Found/ { print } /Playing/ { s = $3 }
  >   /Measure/ { n[s]++ } END { for (i = 1; i <= s; i++) print i ":" n[i] }' | paste -sd ' '; echo $(wc -c < song.wav) $(clicks.py song.wav 2205 | head -n 2)
  >   cp $TESTDIR/../examples/tmap.txt .; printf 'n ex.wav\nrtm\nx\n' | tikvane &> /dev/null; cmp song.wav ex.wav
  Found 6 map entries. Found 6 map entries. 1:4 2:16 3:8 4:8 5:8 6:4
  14747084 184 clicks at 0 26460 52920 79380 ... apart: 26460 (168) 29400 (15)
