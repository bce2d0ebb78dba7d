Through a real sound server: a private PulseAudio or PipeWire with a null
sink at 44100 Hz, 24-bit, mono, whose monitor is recorded while the
program plays to ALSA's `pulse` device. The helpers are in tests/sound.sh;
the reference click comes from a track the program writes.

An audition of 1.07 s at 120 bpm, one beat a measure: 46 periods of 1024
frames, in which three clicks arrive, each bit for bit the written click,
exactly 22050 samples apart, and nothing else sounds; the last ends in the
last two periods, which the device plays out before it is closed. The
measure lines reach the pipe as the beats play, half a second apart, and
the audition lasts, from its first measure line to the menu after it, as
long as its sound: 47104 frames, 1.068 s, not 5 % less and at most 0.2 s
more (PipeWire's drain takes up to a tenth of a second longer than
PulseAudio's).

  $ . "$TESTDIR/sound.sh"; start_server; printf '1\n2\nm 1\nw\nx\n' | tikvane &> /dev/null
  >   start_recording a.raw; begin; say '1\n2\no pulse\nal 1.07\nb 1\na'; end; stop_recording
  >   clicks.py click.wav 2205 a.raw | paste -sd ' '; t=$(after 0 'Measure  1'); echo $(between 0.4 0.6 $(after $t 'Measure  2')), $(between 1.015 1.268 $(after $t Global))
  exit status 2
  3 clicks at 0 22050 44100 apart: 22050 (2) other bytes not silent: 0
  between 0.4 and 0.6 s, between 1.015 and 1.268 s

A process stopped for a moment (SIGSTOP, then SIGCONT 0.3 s later) in the
middle of an audition plays on to its end once it is continued: all four
beats are heard (shown: the measure lines, and the clicks recorded).

  $ start_recording s.raw; begin; say '1\n2\no pulse\nal 2\nb 1\na'; wait_for seen 1 'Measure  2'
  >   sleep 0.25; kill -STOP $program; sleep 0.3; kill -CONT $program; end; stop_recording
  >   echo "$(grep -c -e Measure -e stopped stamped) $(clicks.py click.wav 2205 s.raw | head -c 8)"
  exit status 2
  4 4 clicks

ALSA's pulse plugin plays at most 384000 Hz, on either server: at 768000
Hz nothing plays at the wrong speed; the program says what the device
offers and goes on.

  $ printf '768000\n2\no pulse\na\nx\n' | tikvane 2>&1 | grep -e unable -e Measure
  unable to set sample rate: pulse offers 384000 Hz, not 768000 Hz (plughw: and default devices convert)

At 400 Hz a period of 1024 frames lasts 2.56 s, longer than the two
seconds a device may take nothing: the device frees a period only as it
plays one, and that is slow, not stopped, for the wait lies within the
time its buffer lasts. An audition of 10.3 s plays its four periods to
the end: all eleven measure lines, and no stop.

  $ printf '400\n2\no pulse\nal 10.3\nb 1\nt 60\na\nx\n' | tikvane 2>&1 | grep -e Measure -e stopped | tail -n 2 | tr -d '\t' | paste -sd ' '
  Measure  10 Measure  11
