Playback writes whole periods of 1024 frames only, those that fit strictly
below the length asked for: at a rate of 1024 Hz an audition of t seconds
asks for 1024 x t frames.

  $ echo 'pcm.cap { type file; slave.pcm "null"; file "capture.raw"; format "raw" }' > .asoundrc
  $ printf 'rate\t1024\ndevice\tcap\n' > tiklora.txt
  $ for al in -1 0 1 1.0009765625 2 4 4.0009765625; do
  >   printf "al $al\na\nx\n" | tikvane > out
  >   echo "$al s: $(($(wc -c < capture.raw) / 3)) frames, $(grep -c Measure out) measure line(s)"
  > done
  -1 s: 0 frames, 1 measure line(s)
  0 s: 0 frames, 1 measure line(s)
  1 s: 0 frames, 1 measure line(s)
  1.0009765625 s: 1024 frames, 1 measure line(s)
  2 s: 1024 frames, 1 measure line(s)
  4 s: 3072 frames, 2 measure line(s)
  4.0009765625 s: 4096 frames, 3 measure line(s)

A tempo that gives less than one sample per beat is refused, and the
device is not opened.

  $ rm -f capture.raw tiklora.txt out
  $ for t in 0 -120 nan 2646001; do printf "1\n2\no cap\nt $t\na\nx\n" | tikvane | grep cannot; done; ls
  A tempo of 0 bpm cannot be played at 44100 Hz.
  A tempo of -120 bpm cannot be played at 44100 Hz.
  A tempo of nan bpm cannot be played at 44100 Hz.
  A tempo of 2.646e+06 bpm cannot be played at 44100 Hz.

A device that cannot be opened, or that refuses the sample format, ends the
program with status 1 and the library's reason on standard error.

  $ printf '1\n2\no nosuchpcm\na\nx\n' | tikvane 2>&1 >/dev/null | tail -n 1
  unable to open pcm device: No such file or directory
  $ printf '1\n2\no nosuchpcm\na\nx\n' | tikvane > /dev/null 2>&1
  [1]
  $ echo 'pcm.mulawonly { type mulaw; slave { pcm "null"; format S16_LE } }' > .asoundrc
  $ printf 'tmap\t120\t4\t1\n' > tmap.txt
  $ printf '1\n2\no mulawonly\nptm\nx\n' | tikvane 2>&1 | tail -n 5
  Found 1 map entries.
  
  Playing section  1 
  
  unable to set playback format: Invalid argument
  $ printf '1\n2\no mulawonly\na\nx\n' | tikvane > /dev/null
  unable to set playback format: Invalid argument
  [1]

An audition of 2^63 frames or more (2^48 s at 32768 Hz) plays until
Ctrl-C stops it; then the menu comes back.

  $ printf '32768\n2\no null\nal 0x1p48\na\n' | timeout --preserve-status -s INT 1 tikvane > out
  [2]
  $ grep -A2 stopped out
  Playback stopped.
  
  Global settings:

After a playback Ctrl-C has its usual meaning again: at the menu it ends
the program.

  $ echo 'pcm.cap { type file; slave.pcm "null"; file "capture.raw"; format "raw" }' > .asoundrc
  $ mkfifo in; env --default-signal=INT tikvane < in > out & program=$!; exec 3> in
  $ printf '1\n2\no cap\nal 0\na\n' >&3
  $ until sed -n '/Measure/,$p' out | grep -q "Enter 'rtm'"; do sleep 0.01; done
  $ kill -INT $program; sleep 0.2; if kill -0 $program 2> /dev/null; then echo x >&3; fi
  $ wait $program; echo "status $?"; exec 3>&-
  status 130
