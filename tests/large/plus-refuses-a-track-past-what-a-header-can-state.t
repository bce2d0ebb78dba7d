+ refuses a track that would take the data past what a WAV header can
state, naming the file, the size and the limit, and leaves the file
untouched: the RIFF size, the file's length less 8, must fit in 32 bits,
so the limit counts where the data chunk starts: 4294967259 bytes in a
file whose data is at 36, 1008 fewer after a 1000-byte LIST chunk. Here
sparse files whose data is 44100 samples short of 4294967259 bytes, and a
track of one measure of 4 at 240 bpm (44100 samples) whose last click may
run past them. With an empty click (1 Hz) the same track fits the first
exactly, but not the second, whose sizes would wrap (shown: the file's
length, its RIFF size and its data size, and what + says the file now
holds).
The case needs files past 2 GiB, so it runs beside the suite rather than in
it: the mutation tool limits the suite's files to 2 GiB.

  $ ulimit -f unlimited; printf 'meas\t1\ntempo\t240\nsave\tt.wav\n' > tiklora.txt; data=$((4294967259 - 132300))
  $ for late in 0 1008; do { wav 1 44100 24 $data | head -c 36; [ $late = 0 ] || { printf 'LIST\350\3\0\0'; head -c 1000 /dev/zero; }
  >     wav 1 44100 24 $data | tail -c 8; } > t.wav; truncate -s $((44 + late + data)) t.wav; for f in 60 1; do printf "f $f\n+\nx\n" | tikvane 2>&1 | grep -e Can -e wrote
  >     echo $(wc -c < t.wav) $(od -An -tu4 -j4 -N4 t.wav) $(od -An -tu4 -j$((40 + late)) -N4 t.wav); done; done
  Can't add to t.wav: its data would come to up to 4294973874 bytes, more than the 4294967259 a WAV header can state.
  4294835003 4294834995 4294834959
  t.wav: 1431655753 samples, 541:03.849 at 44100 Hz; this + wrote 0 clicks.
  4294967303 4294967295 4294967259
  Can't add to t.wav: its data would come to up to 4294973874 bytes, more than the 4294966251 a WAV header can state.
  4294836011 4294834995 4294834959
  Can't add to t.wav: its data would come to up to 4294967259 bytes, more than the 4294966251 a WAV header can state.
  4294836011 4294834995 4294834959
