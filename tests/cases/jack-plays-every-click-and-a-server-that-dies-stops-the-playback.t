Through a private JACK server (jackd's dummy backend at 44100 Hz; the
helpers are in tests/sound.sh) to the device `jk`, a plug over alsa-lib's
jack plugin that converts only the format. An audition of 1.07 s at 120
bpm, one beat a measure: three clicks arrive, each bit for bit the written
click, 22050 samples apart, nothing else sounds, and nothing is said to
have stopped the playback (shown last: the lines that say so).

  $ . "$TESTDIR/sound.sh"; start_jack; printf '1\n2\nm 1\nw\nx\n' | tikvane &> /dev/null
  >   start_jack_recording a.raw; begin; say '1\n2\no jk\nal 1.07\nb 1\na'; end; stop_recording; echo $(clicks.py click.wav 2205 a.raw) $(grep -c Playback stamped)
  exit status 2
  3 clicks at 0 22050 44100 apart: 22050 (2) other bytes not silent: 0 0

When the server dies during an audition the plugin says nothing and takes
no more samples: the playback stops by itself within three seconds (not
before two, in case the device was only slow), naming the device, and the menu comes back with every setting as it was
(s saves them).

  $ begin; say '1\n2\no jk\nt 1200\nal 60\na'; wait_for seen 1 'Measure  2'; t=$EPOCHREALTIME; stop_jack
  >   wait_for seen 1 'Playback stopped: '; say s; end; grep -e 'Playback stopped' -e Saved stamped | cut -d ' ' -f 2- | paste -sd '|' | tr '\n' ' '
  >   echo $(between 1.9 3 $(after $t 'Playback stopped: ')), $(grep tempo tiklora.txt)
  exit status 2
  Playback stopped: jk: the device has stopped taking samples|Saved Settings between 1.9 and 3 s, tempo 1200.00
