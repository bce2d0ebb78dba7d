The device `cap` is alsa-lib's file plugin over the null PCM: it writes
every frame it is given to capture.raw, made anew each time the device is
opened. The reference clicks come from tracks the program writes.

  $ echo 'pcm.cap { type file; slave.pcm "null"; file "capture.raw"; format "raw" }' > .asoundrc
  $ printf '1\n2\nn ref.wav\nm 1\nw\nx\n' | tikvane > /dev/null
  [2]

a plays the click every beat (22050 samples at 120 bpm) for the audition
length, in whole periods of 1024 frames strictly below it: 430 periods of
the 441000 frames of 10 s, a little under 20 beats, measures 1 to 5.

  $ printf '1\n2\no cap\na\nx\n' | tikvane
  {first-run}
  {menu}
  Enter new playback device name.
  
  {menu device=cap}
  
  	Measure  1
  	Measure  2
  	Measure  3
  	Measure  4
  	Measure  5
  {menu device=cap}
  [2]
  $ tikprobe clicks ref.wav 2205 capture.raw; wc -c < capture.raw
  20 clicks at 0 22050 44100 66150 ...
  apart: 22050 (19)
  other samples not silent: 0
  1320960

At 48000 Hz and 128 bpm the beat is 48000 / (128 / 60) in single
precision, truncated: 22499 samples. 16-bit samples.

  $ printf '2\n1\nn ref16.wav\nm 1\nw\no cap\nt 128\na\nx\n' | tikvane | grep -c Measure
  6
  $ tikprobe clicks ref16.wav 2400 capture.raw; wc -c < capture.raw
  22 clicks at 0 22499 44998 67497 ...
  apart: 22499 (21)
  other samples not silent: 0
  958464

A click longer than the beat (1764 samples at 1500 bpm) is cut at the
beat's end (the last beat is cut by the end of the last period); a beat
far longer than the audition plays the click, then silence (here a beat of
2^63 samples, the longest there is). The fastest tempo, 60 x rate, gives beats of one sample: the
click's first.

  $ audition() { printf "1\n2\no cap\n$1\na\nx\n" | tikvane > out; grep Measure out | tail -n 1
  >              tikprobe clicks ref.wav $2 capture.raw; wc -c < capture.raw; }
  $ audition 't 1500
  > b 3
  > al 1' 1764
  	Measure  9
  24 clicks at 0 1764 3528 5292 ...
  apart: 1764 (23)
  other samples not silent: 1693
  132096
  $ audition 't 2.86879895e-13
  > al 0.1' 2205
  	Measure  1
  1 clicks at 0
  apart:
  other samples not silent: 0
  12288
  $ audition 't 2646000
  > al 0.05' 1
  	Measure  513
  2048 clicks at 0 1 2 3 ...
  apart: 1 (2047)
  other samples not silent: 0
  6144

Beats shorter than a period are each counted (100 samples at 26460 bpm);
a beat that ends on the last frame played still opens the next measure
(1024 samples at 2583.984375 bpm); a meter below 1 is never reached.

  $ audition 't 26460
  > b 1
  > al 0.05' 100
  	Measure  21
  20 clicks at 0 100 200 300 ...
  apart: 100 (19)
  other samples not silent: 47
  6144
  $ audition 't 2583.984375
  > b 1
  > al 0.05' 1024
  	Measure  3
  2 clicks at 0 1024
  apart: 1024 (1)
  other samples not silent: 0
  6144
  $ audition 'b 0' 2205; grep -c Measure out
  	Measure  1
  20 clicks at 0 22050 44100 66150 ...
  apart: 22050 (19)
  other samples not silent: 0
  1320960
  1

An empty click plays beats of silence and still counts the measures; an
audition no longer than a period opens the device and plays nothing.

  $ audition 'f 1' 1 | head -n 1; tr -d '\0' < capture.raw | wc -c
  	Measure  5
  0
  $ audition 'al 0' 1 | tail -n 1; ls capture.raw
  0
  capture.raw
