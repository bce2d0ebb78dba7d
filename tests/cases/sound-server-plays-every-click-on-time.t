Through a real sound server: a private PulseAudio with a null sink at 44100
Hz, 24-bit, mono, whose monitor is recorded while the program plays to
ALSA's `pulse` device. The helpers are in tests/sound.sh; the reference
click comes from a track the program writes.

  $ . "$TESTDIR/sound.sh"; start_server
  $ printf '1\n2\nm 1\nw\nx\n' | tikvane > /dev/null
  [2]

An audition of 1.5 s at 120 bpm, one beat a measure: 64 periods of 1024
frames, in which three clicks arrive, each bit for bit the written click,
exactly 22050 samples apart, and nothing else sounds. The measure lines
reach the pipe as the beats play, and the audition lasts as long as its
sound.

  $ start_recording a.raw
  $ printf '1\n2\no pulse\nal 1.5\nb 1\na\nx\n' | tikvane | stamp > a.txt; stop_recording
  $ tikprobe clicks click.wav 2205 a.raw
  3 clicks at 0 22050 44100
  apart: 22050 (2)
  other samples not silent: 0
  $ timing a.txt 65536
  the measure lines came as it played
  it lasted as long as its sound, within 5 %

ptm plays a map of one section, two beats at 240 bpm: two clicks, 11025
samples apart.

  $ printf 'tmap\t240\t2\t1\n' > tmap.txt
  $ start_recording m.raw
  $ printf '1\n2\no pulse\nptm\nx\n' | tikvane | grep -c Measure; stop_recording
  1
  $ tikprobe clicks click.wav 2205 m.raw
  2 clicks at 0 11025
  apart: 11025 (1)
  other samples not silent: 0
