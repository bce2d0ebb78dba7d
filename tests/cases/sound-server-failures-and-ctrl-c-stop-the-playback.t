Through a real sound server, a private PulseAudio or PipeWire with a null
sink (the helpers are in tests/sound.sh), a map of two 20-second sections
at 1200 bpm, whose clicks touch, so that the sound is unbroken. `begin`
starts the program on a FIFO, its output stamped with the time each line
came.

Ctrl-C during the first section stops the sound (what the device holds is
dropped, a few hundredths of a second) and brings the menu back within
half a second; the second section is never played. When the server goes
away during the first section, the playback stops at once with a line
naming the device and the library's reason (both servers, stopped, leave
ALSA's pulse plugin with an input/output error); no further measure line
and no further section come, and the menu comes back with every setting
as it was (s saves them).

  $ . "$TESTDIR/sound.sh"; start_server; begin; printf 'tmap\t1200\t4\t100\n%.0s' 1 2 > tmap.txt
  $ say '1\n2\no pulse\nt 90\nptm'; wait_for seen 1 'Measure  2'; sleep 0.2; int=$EPOCHREALTIME; kill -INT $program
  >   wait_for seen 1 'Playback stopped.'; sleep 0.6; say ptm; wait_for seen 2 'Measure  2'; sleep 0.2; kill=$EPOCHREALTIME; stop_server
  >   wait_for seen 1 'Playback stopped: '; say s; end; grep -e 'Playing section' -e 'Playback stopped' -e Saved stamped | cut -d ' ' -f 2- | paste -sd '|'
  exit status 2
  Playing section  1 |Playback stopped.|Playing section  1 |Playback stopped: pulse: Input/output error|Saved Settings
  $ echo $(grep tempo tiklora.txt), $(between 0 0.5 $(after $int "Enter 'rtm'")), $(between 0 0.5 $(after $kill 'Playback stopped: '))
  >   awk '/Playback stopped: / { stopped = 1 } /Enter .a./ { stopped = 0 } stopped && /Measure/' stamped
  tempo 90.00, between 0 and 0.5 s, between 0 and 0.5 s

A server that hangs (stopped by SIGSTOP) during `a` is given up after its
stall time, and then alsa-lib's pulse plugin waits on it while it closes
the device; a SIGTERM still ends the program (143) within a second.

  $ start_server; begin; say a; wait_for seen 1 'Measure  1'; kill -STOP $server; wait_for seen 1 'stopped taking'; t=$EPOCHREALTIME; kill -TERM $program
  >   wait $program; echo "[$?] $(between 0 1 $(awk "BEGIN { print $EPOCHREALTIME - $t }"))"; kill -CONT $server
  [143] between 0 and 1 s
