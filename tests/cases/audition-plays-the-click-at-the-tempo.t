The device `cap` is alsa-lib's file plugin over the null PCM: it writes
every frame it is given to capture.raw, made anew each time the device is
opened. The reference clicks come from tracks the program writes.

  $ echo 'pcm.cap { type file; slave.pcm "null"; file "capture.raw"; format "raw" }' > .asoundrc
  $ printf '1\n2\nn ref.wav\nm 1\nw\nx\n' | tikvane > /dev/null; printf '2\n1\nn ref16.wav\nm 1\nw\nx\n' | tikvane > /dev/null
  [2]

`audition` plays with the given commands and tells the measure lines, the
bytes played and where the click (of the given length) recurs. a plays the
click every beat (22050 samples at 120 bpm) for the audition length, in
whole periods of 1024 frames strictly below it: 430 periods of the 441000
frames of 10 s, a little under 20 beats, measures 1 to 5.

  $ audition() { printf "$1\no cap\n$2\na\nx\n" | tikvane > out; echo "$(grep -c Measure out) measure lines," \
  >              "$(wc -c < capture.raw) bytes, $(tikprobe.py clicks $3 capture.raw | head -n 2 | paste -sd ' ')"; }
  $ audition '1\n2' '' 'ref.wav 2205'
  5 measure lines, 1320960 bytes, 20 clicks at 0 22050 44100 66150 ... apart: 22050 (19)

At 48000 Hz and 128 bpm the beat is 48000 / (128 / 60) in single
precision, truncated: 22499 samples, at 16 bits. A click longer than the
beat (1764 samples at 1500 bpm) is cut at the beat's end; a beat of 2^63
samples plays the click and then silence; the fastest tempo, 60 x rate,
gives beats of one sample. Beats shorter than a period are each counted
(100 samples at 26460 bpm); a beat that ends on the last frame played
still opens the next measure; a meter below 1 is never reached. An empty
click plays beats of silence and still counts the measures; an audition no
longer than a period plays nothing.

  $ audition '2\n1' 't 128' 'ref16.wav 2400'
  6 measure lines, 958464 bytes, 22 clicks at 0 22499 44998 67497 ... apart: 22499 (21)
  $ audition '1\n2' 't 1500\nb 3\nal 1' 'ref.wav 1764'
  9 measure lines, 132096 bytes, 24 clicks at 0 1764 3528 5292 ... apart: 1764 (23)
  $ audition '1\n2' 't 2.86879895e-13\nal 0.1' 'ref.wav 2205'
  1 measure lines, 12288 bytes, 1 clicks at 0 apart:
  $ audition '1\n2' 't 2646000\nal 0.05' 'ref.wav 1'
  513 measure lines, 6144 bytes, 2048 clicks at 0 1 2 3 ... apart: 1 (2047)
  $ audition '1\n2' 't 26460\nb 1\nal 0.05' 'ref.wav 100'
  21 measure lines, 6144 bytes, 20 clicks at 0 100 200 300 ... apart: 100 (19)
  $ audition '1\n2' 't 2583.984375\nb 1\nal 0.05' 'ref.wav 1024'
  3 measure lines, 6144 bytes, 2 clicks at 0 1024 apart: 1024 (1)
  $ audition '1\n2' 'b 0' 'ref.wav 2205'
  1 measure lines, 1320960 bytes, 20 clicks at 0 22050 44100 66150 ... apart: 22050 (19)
  $ audition '1\n2' 'f 1' 'ref.wav 2205'; tr -d '\0' < capture.raw | wc -c
  5 measure lines, 1320960 bytes, 0 clicks at  apart:
  0
  $ audition '1\n2' 'al 0' 'ref.wav 2205'
  1 measure lines, 0 bytes, 0 clicks at  apart:

At a rate of 1024 Hz an audition of t seconds asks for 1024 x t frames;
only the whole periods strictly below that are played.

  $ printf 'rate\t1024\ndevice\tcap\n' > tiklora.txt
  $ for al in -1 1 1.0009765625 2 4 4.0009765625; do
  >   printf "al $al\na\nx\n" | tikvane > out
  >   echo "$al s: $(($(wc -c < capture.raw) / 3)) frames, $(grep -c Measure out) measure line(s)"
  > done
  -1 s: 0 frames, 1 measure line(s)
  1 s: 0 frames, 1 measure line(s)
  1.0009765625 s: 1024 frames, 1 measure line(s)
  2 s: 1024 frames, 1 measure line(s)
  4 s: 3072 frames, 2 measure line(s)
  4.0009765625 s: 4096 frames, 3 measure line(s)

A tempo that gives less than one sample per beat is refused, and the
device is not opened.

  $ rm capture.raw tiklora.txt
  $ for t in 0 -120 nan 2646001; do printf "1\n2\no cap\nt $t\na\nx\n" | tikvane | grep cannot; done; ls capture.raw
  A tempo of 0 bpm cannot be played at 44100 Hz.
  A tempo of -120 bpm cannot be played at 44100 Hz.
  A tempo of nan bpm cannot be played at 44100 Hz.
  A tempo of 2.646e+06 bpm cannot be played at 44100 Hz.
  ls: cannot access 'capture.raw': No such file or directory
  [2]

Ctrl-C stops an audition (here one of 2^63 frames or more, 2^48 s at 32768
Hz, through the null device) and brings the menu back; after a playback
Ctrl-C has its usual meaning again: at the menu it ends the program.

  $ printf '32768\n2\no null\nal 0x1p48\na\n' | timeout --preserve-status -s INT 1 tikvane | grep -A2 stopped
  Playback stopped.
  
  Global settings:
  $ mkfifo in; env --default-signal=INT tikvane < in > out & program=$!; exec 3> in
  $ printf '1\n2\no cap\nal 0\na\n' >&3
  $ until sed -n '/Measure/,$p' out | grep -q "Enter 'rtm'"; do sleep 0.01; done
  $ kill -INT $program; sleep 0.2; if kill -0 $program 2> /dev/null; then echo x >&3; fi
  $ wait $program; echo "status $?"; exec 3>&-
  status 130
