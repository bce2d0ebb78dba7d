Beat k is due when the samples written reach beatInterval x k, compared in
single precision; the whole click is written there, silence between. One
measure of 4 beats at 44100 Hz, 24 bits:

  $ track() { rm -f click.wav; printf "1\n2\nm 1\n$1\nw\nx\n" | tikvane > /dev/null
  >           tikprobe wav click.wav; tikprobe clicks click.wav 2205; }

At 160 bpm a beat is 16537.5 samples: clicks at the first whole sample.

  $ track 't 160'
  198494 bytes: RIFF size 198486, data size 198450; 1 channel(s) at 44100 Hz, 24 bits
  4 clicks at 0 16538 33075 49613
  apart: 16537 (1) 16538 (2)
  other samples not silent: 0
  $ sha256sum click.wav
  e63e902396aa57d5e0f3aa5a646d24b1a76b464ce819b61bc7eb57026e63b18e  click.wav

At 1199.7 bpm a beat is due less than a sample after the click before ends.

  $ track 't 1199.7'
  26510 bytes: RIFF size 26502, data size 26466; 1 channel(s) at 44100 Hz, 24 bits
  4 clicks at 0 2206 4412 6617
  apart: 2205 (1) 2206 (2)
  other samples not silent: 0

A click longer than the beat (1764 samples at 1500 bpm) is followed at once
by the next; the last runs past the track's 7056 samples, and the header
states the bytes that are there.

  $ track 't 1500'
  26504 bytes: RIFF size 26496, data size 26460; 1 channel(s) at 44100 Hz, 24 bits
  4 clicks at 0 2205 4410 6615
  apart: 2205 (3)
  other samples not silent: 0

A track of a single sample (one beat at 1764000 bpm) still holds its
whole click.

  $ track 't 1764000
  > b 1'
  6659 bytes: RIFF size 6651, data size 6615; 1 channel(s) at 44100 Hz, 24 bits
  1 clicks at 0
  apart:
  other samples not silent: 0

A negative tempo with a negative meter still gives a length: the beats are
all due at once, so the clicks follow one another; an empty click (1 Hz)
then places nothing and the track is silence.

  $ track 't -60
  > b -4'
  529244 bytes: RIFF size 529236, data size 529200; 1 channel(s) at 44100 Hz, 24 bits
  80 clicks at 0 2205 4410 6615 ...
  apart: 2205 (79)
  other samples not silent: 0
  $ track 't -60
  > b -4
  > f 1' | head -n 1; tail -c +45 click.wav | tr -d '\0' | wc -c
  529244 bytes: RIFF size 529236, data size 529200; 1 channel(s) at 44100 Hz, 24 bits
  0

Beats 1/64 of a sample apart with an empty click: past 2^24 beats the beat
count no longer grows in single precision, and the rest is silence.

  $ track 't 169344000
  > b 32768
  > m 1024
  > f 1' | head -n 1; tail -c +45 click.wav | tr -d '\0' | wc -c
  1572908 bytes: RIFF size 1572900, data size 1572864; 1 channel(s) at 44100 Hz, 24 bits
  0

Past 2^24 samples (a 16-bit track of 1169 beats at 179.3 bpm), the written
count is compared as a single-precision number: a beat is met on a float
value, a sample early or late. Here the beat due at the very end is met
early, and its click is written whole.

  $ long() { rm -f click.wav; printf "1\n1\nt $1\nb 1\nm 1169\nw\nx\n" | tikvane > /dev/null
  >          tikprobe wav click.wav; tikprobe clicks click.wav 2205; sha256sum click.wav; }
  $ long 179.3
  34507228 bytes: RIFF size 34507220, data size 34507184; 1 channel(s) at 44100 Hz, 16 bits
  1170 clicks at 0 14758 29515 44273 ...
  apart: 14756 (11) 14757 (704) 14758 (443) 14759 (11)
  other samples not silent: 0
  031e8cf3aca57b0685c49154acd3173ad58cd77b2b2b85c9e94ad9bb4831eee3  click.wav
