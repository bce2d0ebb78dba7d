+ refuses a track that would take the data past what a WAV header can
state (4294967259 bytes), naming the file, the size and the limit, and
leaves the file untouched: here a sparse file 44100 samples short of the
limit, and a track of one measure of 4 at 240 bpm (44100 samples) whose
last click may run past them. With an empty click (1 Hz) the same track
fits exactly (shown: the file's length, its RIFF size and its data size,
and what + says the file now holds).
The case needs files past 2 GiB, so it runs beside the suite rather than in
it: the mutation tool limits the suite's files to 2 GiB.

  $ ulimit -f unlimited; printf 'meas\t1\ntempo\t240\nsave\tt.wav\n' > tiklora.txt
  >   wav 1 44100 24 $((4294967259 - 132300)) > t.wav; truncate -s 4294835003 t.wav
  >   for f in 60 1; do printf "f $f\n+\nx\n" | tikvane 2>&1 | grep -e Can -e wrote; sizes t.wav; done
  Can't add to t.wav: its data would come to up to 4294973874 bytes, more than the 4294967259 a WAV header can state.
  4294835003 4294834995 4294834959
  t.wav: 1431655753 samples, 541:03.849 at 44100 Hz; this + wrote 0 clicks.
  4294967303 4294967295 4294967259
