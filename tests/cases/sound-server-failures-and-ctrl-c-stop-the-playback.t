Through a real sound server, a private PulseAudio or PipeWire with a null
sink (the helpers are in tests/sound.sh), at 1200 bpm, whose clicks touch, so that
the sound is unbroken. `begin` starts the program on a FIFO, its output
stamped with the time each line came.

  $ . "$TESTDIR/sound.sh"; start_server; begin
  $ printf 'tmap\t1200\t4\t100\ntmap\t1200\t4\t100\n' > tmap.txt

Ctrl-C during a 60-second audition, and then during the first of two
20-second sections of a map, stops the sound (what the device holds is
dropped, a few hundredths of a second) and brings the menu back within
half a second; the second section is never played.

  $ say '1\n2\no pulse\nt 1200\nal 60\na'; wait_for seen 1 'Measure  2'; sleep 0.2; int1=$EPOCHREALTIME
  $ kill -INT $program; wait_for seen 1 'Playback stopped.'; sleep 0.6
  $ say ptm; wait_for seen 2 'Measure  2'; sleep 0.2; int2=$EPOCHREALTIME; kill -INT $program
  $ wait_for seen 2 'Playback stopped.'; sleep 0.6; grep -e 'Playing section' -e 'Playback stopped' stamped | cut -d ' ' -f 2-
  Playback stopped.
  Playing section  1 
  Playback stopped.
  $ echo $(between 0 0.5 $(after $int1 "Enter 'rtm'")), $(between 0 0.5 $(after $int2 "Enter 'rtm'"))
  between 0 and 0.5 s, between 0 and 0.5 s

When the server goes away during an audition, or during the first section
of a map, the playback stops at once with a line naming the device and the
library's reason (both servers, stopped, leave ALSA's pulse plugin with an
input/output error); no further measure line and no further section come,
and the menu comes back with every setting as it was (s saves them).

  $ say a; wait_for seen 3 'Measure  2'; sleep 0.2; kill1=$EPOCHREALTIME; stop_server
  $ wait_for seen 1 'Playback stopped: '; sleep 0.3; start_server
  $ say ptm; wait_for seen 4 'Measure  2'; sleep 0.2; kill2=$EPOCHREALTIME; stop_server
  $ wait_for seen 2 'Playback stopped: '; say s; end; grep -e 'Playback stopped: ' -e Saved stamped | cut -d ' ' -f 2-
  exit status 2
  Playback stopped: pulse: Input/output error
  Playback stopped: pulse: Input/output error
  Saved Settings
  $ grep tempo tiklora.txt; echo $(between 0 0.5 $(after $kill1 'Playback stopped: ')), $(between 0 0.5 $(after $kill2 'Playback stopped: '))
  tempo	1200.00
  between 0 and 0.5 s, between 0 and 0.5 s
  $ awk '/Playback stopped: / { stopped = 1 } /Enter .a./ { stopped = 0 } stopped && /Measure/' stamped
