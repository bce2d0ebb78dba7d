The device `cap` is alsa-lib's file plugin over the null PCM: it appends
every frame it is given to capture.raw. The reference clicks come from
a track the program writes. `play` runs the program with the given answers
and commands, then tells the measure lines, the bytes played and where the
click (of the given length) recurs in what was played.

  $ printf 'pcm.cap { type file; slave.pcm "null"; file "|cat >> %s/capture.raw"; format "raw" }\n' $HOME > .asoundrc
  >   printf '1\n2\nn ref.wav\nm 1\nw\nx\n' | tikvane &> /dev/null || :
  $ play() { rm -f capture.raw; printf "$1\no cap\n$2\nx\n" | tikvane > out 2>&1; echo "$(grep -c Measure out) measure lines, $(wc -c < capture.raw) bytes, $(clicks.py $3 capture.raw | head -n 2 | paste -sd ' ')"; }

a plays the click every beat (22050 samples at 120 bpm) for the audition
length, in whole periods of 1024 frames strictly below it: 430 periods of
the 441000 frames of 10 s, measures 1 to 5. ptm plays each section with
its own tempo and meter, the device opened anew for each, measures counted
from 1 in every section, each section up to a period short: 4134 periods
of 22050-sample beats, then 775 of 16537-sample beats (16537.5 truncated).

  $ play '1\n2' a 'ref.wav 2205'
  5 measure lines, 1320960 bytes, 20 clicks at 0 22050 44100 66150 ... apart: 22050 (19)
  $ printf 'tmap\t120\t4\t48\ntmap\t160\t3\t16\n' > tmap.txt; play '1\n2' ptm 'ref.wav 2205'
  64 measure lines, 15080448 bytes, 240 clicks at 0 22050 44100 66150 ... apart: 16537 (47) 21666 (1) 22050 (191)

A click longer than the beat (1764 samples at 1500 bpm) is cut at the
beat's end; the fastest tempo, 60 x rate, gives beats of one sample, each
counted, many to a period.

  $ play '1\n2' 't 1500\nb 3\nal 1\na' 'ref.wav 1764'; play '1\n2' 't 2646000\nal 0.05\na' 'ref.wav 1'
  9 measure lines, 132096 bytes, 24 clicks at 0 1764 3528 5292 ... apart: 1764 (23)
  513 measure lines, 6144 bytes, 2048 clicks at 0 1 2 3 ... apart: 1 (2047)

Only whole periods strictly below the length asked for are played: at a
rate of 1024 Hz an audition of t seconds asks for 1024 x t frames (shown:
seconds, frames, measure lines).

  $ printf 'rate\t1024\ndevice\tcap\n' > tiklora.txt; for al in -1 1 1.0009765625 2 4 4.0009765625; do
  >   rm -f capture.raw; printf "al $al\na\nx\n" | tikvane > out
  >   echo -n "$al $(($(wc -c < capture.raw) / 3)) $(grep -c Measure out), "; done
  -1 0 1, 1 0 1, 1.0009765625 1024 1, 2 1024 1, 4 3072 2, 4.0009765625 4096 3,  (no-eol)

Sections with no beats or no measures, or negative ones, play nothing and
the next follows; a section whose tempo gives less than a sample per beat
is skipped with a word (60 x rate, a beat of one sample, is the fastest
that plays, and its section's line says so), and so is an audition at such a tempo or at 0 bpm, without
opening the device.

  $ rm tiklora.txt; printf 'tmap\t120\t0\t48\ntmap\t120\t4\t0\ntmap\t120\t-4\t-48\ntmap\t0\t4\t4\ntmap\t-60\t4\t4\ntmap\t2646001\t1\t1\ntmap\t2646000\t1\t1\ntmap\t160\t3\t1\n' > tmap.txt
  >   play '1\n2' ptm 'ref.wav 2205'; grep -c -e 'Playing section' -e 'Measure  1$' out; grep -e skipped -e ' beat a' out | paste -sd '|'
  >   rm capture.raw; { for t in 0 2646001; do printf "1\n2\no cap\nt $t\na\nx\n" | tikvane | grep cannot; done; ls capture.raw; } 2>&1 | paste -sd '|'
  5 measure lines, 147456 bytes, 3 clicks at 0 16537 33074 apart: 16537 (2)
  10
  Section 4 skipped: a tempo of 0 bpm cannot be played at 44100 Hz.|Section 5 skipped: a tempo of -60 bpm cannot be played at 44100 Hz.|Section 6 skipped: a tempo of 2.646e+06 bpm cannot be played at 44100 Hz.|Section 7: 2.646e+06 bpm, 1 beat a measure, 1 measure: 1 samples, 0:00.000.
  A tempo of 0 bpm cannot be played at 44100 Hz.|A tempo of 2.646e+06 bpm cannot be played at 44100 Hz.|ls: cannot access 'capture.raw': No such file or directory

After a playback SIGINT, SIGTERM and SIGHUP have their usual meaning
again, and so has SIGALRM, which the playback's watchdog takes while it
lasts: at the menu each ends the program.

  $ for signal in INT TERM HUP ALRM; do printf '1\n2\no cap\nal 0\na\n' | (cat; sleep 1) |
  >   timeout --preserve-status -s $signal 0.5 tikvane > /dev/null; echo -n "$? "; done
  130 143 129 142  (no-eol)

A write of standard output or standard error that a signal breaks off
(EINTR, made here by strace on the line of measure 2, or on the section's
line, with the Ctrl-C that stops the playback) is made again: no line is
lost, and no failure is claimed.

  $ printf '1\n2\no null\nal 3\na\nx\n' | traced -o /dev/null -e inject=write:error=EINTR:signal=SIGINT:when=10 env --default-signal tikvane 2>&1 | grep -e Meas -e stopped -e Could | paste -sd '|'
  	Measure  1|	Measure  2|Playback stopped.
  $ printf 'tmap\t240\t4\t1\n' > tmap.txt; printf '1\n2\no null\nptm\nx\n' | traced -o /dev/null -e inject=write:error=EINTR:signal=SIGINT:when=7 env --default-signal tikvane 2>&1 | grep -e Sec -e stopped -e Could | paste -sd '|'
  Section 1: 240 bpm, 4 beats a measure, 1 measure: 44100 samples, 0:01.000.|Playback stopped.
