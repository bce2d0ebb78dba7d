Through a real sound server, as in the case of the clicks on time: a
private PulseAudio with a null sink whose monitor is recorded while the
program plays to ALSA's `pulse` device. The helpers are in tests/sound.sh.

  $ . "$TESTDIR/sound.sh"; start_server

Ctrl-C during a 60-second audition, and then during the first of two
20-second sections of a map, stops the sound and brings the menu back;
the second section is never played, and the program ends on x as usual.

  $ start_recording i.raw
  $ interrupt_playback i.raw
  exit status 2
  Playback stopped.
  Playing section  1 
  Playback stopped.
  the menu came back within 0.5 s
  the sound stopped within 0.5 s
  the menu came back within 0.5 s
  the sound stopped within 0.5 s
