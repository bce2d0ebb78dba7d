A track lasts meter x measures beats at the tempo. At start-up the length
is worked out in single precision; after t, b or m in double precision,
rounded to single: the two differ in the last place.

  $ tikprobe seconds 4 48 120
  96 s, 4233600 samples at 44100 Hz
  96 s, 4233600 samples at 44100 Hz
  $ tikprobe seconds 4 48 100
  115.20000457763672 s, 5080320 samples at 44100 Hz
  115.19999694824219 s, 5080320 samples at 44100 Hz
  $ tikprobe seconds 4 100 30.1
  797.34222412109375 s, 35162792 samples at 44100 Hz
  797.3421630859375 s, 35162788 samples at 44100 Hz

Each of t, b and m changes the length of the next track written: one
measure of 4 at 240 bpm is a second, 3 beats are 0.75 s, 2 measures 1.5 s.

  $ printf '1\n2\nm 1\nt 240\nw\n' | tikvane > /dev/null; tikprobe wav click.wav
  132344 bytes: RIFF size 132336, data size 132300; 1 channel(s) at 44100 Hz, 24 bits
  $ printf '1\n2\nm 1\nt 240\nb 3\nw\n' | tikvane > /dev/null; tikprobe wav click.wav
  99269 bytes: RIFF size 99261, data size 99225; 1 channel(s) at 44100 Hz, 24 bits
  $ printf '1\n2\nt 240\nb 3\nm 2\nw\n' | tikvane > /dev/null; tikprobe wav click.wav
  198494 bytes: RIFF size 198486, data size 198450; 1 channel(s) at 44100 Hz, 24 bits
