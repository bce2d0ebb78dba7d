ptm plays each section of the map with its own tempo and meter, the device
opened anew for each, measures counted from 1 in every section. The beat
is rate x 60 / tempo in double precision, truncated. The device `cap`
appends every frame it is given to capture.raw.

  $ printf 'pcm.cap { type file; slave.pcm "null"; file "|cat >> %s/capture.raw"; format "raw" }\n' $HOME > .asoundrc
  $ printf '1\n2\nn ref.wav\nm 1\nw\nx\n' | tikvane > /dev/null; printf '2\n1\nn ref16.wav\nm 1\nw\nx\n' | tikvane > /dev/null
  [2]
  $ printf 'tmap\t120\t4\t48\ntmap\t160\t3\t16\n' > tmap.txt
  $ printf '1\n2\no cap\nptm\nx\n' | tikvane > out; sed -n '/^Parsing/,/Measure  2$/p' out; grep -c Measure out
  Parsing tmap file..
  Found 2 map entries.
  
  Playing section  1 
  
  	Measure  1
  	Measure  2
  64
  $ tail -n 22 out | head -n 2
  	Measure  16
  

Each section ends up to a period short: 4134 periods of 22050-sample beats,
then 775 of 16537-sample beats (16537.5 truncated). ptm changes no setting.

  $ tikprobe.py clicks ref.wav 2205 capture.raw; wc -c < capture.raw; grep -e adjust -e 'beats per' out | tail -n 2
  240 clicks at 0 22050 44100 66150 ...
  apart: 16537 (47) 21666 (1) 22050 (191)
  other bytes not silent: 0
  15080448
  	Enter 't' to adjust tempo (120.0 bpm).
  	Enter 'b' to set beats per measure (4)

At 48000 Hz and 128 bpm the map's beat is 22500 samples (the audition's
is 22499).

  $ rm capture.raw; printf 'tmap\t128\t4\t2\n' > tmap.txt
  $ printf '2\n1\no cap\nptm\nx\n' | tikvane | grep -c Measure; tikprobe.py clicks ref16.wav 2400 capture.raw
  2
  8 clicks at 0 22500 45000 67500 ...
  apart: 22500 (7)
  other bytes not silent: 0

Sections with no beats or no measures, or negative ones, play nothing and
the next follows; a section whose tempo gives less than a sample per beat
is skipped with a word (60 x rate, a beat of one sample, is the fastest
that plays).

  $ rm capture.raw; printf 'tmap\t120\t0\t48\ntmap\t120\t4\t0\ntmap\t120\t-4\t-48\ntmap\t0\t4\t4\n' > tmap.txt
  $ printf 'tmap\t-60\t4\t4\ntmap\t2646001\t1\t1\ntmap\t2646000\t1\t1\ntmap\t160\t3\t1\n' >> tmap.txt
  $ printf '1\n2\no cap\nptm\nx\n' | tikvane > out; grep -c -e 'Playing section' -e 'Measure  1$' out
  10
  $ sed -n '/^Found/,/^Global/p' out | grep -v -e Playing -e Measure -e '^$'
  Found 8 map entries.
  Section 4 skipped: a tempo of 0 bpm cannot be played at 44100 Hz.
  Section 5 skipped: a tempo of -60 bpm cannot be played at 44100 Hz.
  Section 6 skipped: a tempo of 2.646e+06 bpm cannot be played at 44100 Hz.
  Global settings:
  $ tikprobe.py clicks ref.wav 2205 capture.raw; wc -c < capture.raw
  3 clicks at 0 16537 33074
  apart: 16537 (2)
  other bytes not silent: 0
  147456
