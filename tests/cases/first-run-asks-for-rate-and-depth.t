Without tiklora.txt the program asks for the sample rate and the bit depth,
then shows the menu; x ends it with status 2 at once, reading nothing more
and writing no settings file.

  $ printf '1\n2\nx\nt 90\n' | tikvane
  {first-run}
  {menu}
  [2]
  $ ls

The answers 1 to 4 pick 44100, 48000, 88200 and 96000 Hz; any other number
is the rate itself, in decimal, hexadecimal or octal; a word keeps 44100.

  $ for answer in 1 2 3 4 5 22050 0x5622 010 fast 768000; do
  >   printf '%s\n2\ns\nx\n' $answer | tikvane > /dev/null
  >   echo "$answer: $(head -n 1 tiklora.txt)"; rm tiklora.txt
  > done
  1: rate	44100
  2: rate	48000
  3: rate	88200
  4: rate	96000
  5: rate	5
  22050: rate	22050
  0x5622: rate	22050
  010: rate	8
  fast: rate	44100
  768000: rate	768000

A rate above 768000 Hz would make buffers of gigabytes: it is refused
(768000 itself is taken, above).

  $ printf '4000000000\n2\nx\n' | tikvane | grep Hz
  Sample rate 4000000000 Hz is above the limit of 768000 Hz; using 44100 Hz.
  	Enter 'f' to set the lowest click frequency (60.0 Hz).

Only the depth answer 1 gives 16 bits; every other answer, or none, 24.

  $ for answer in 1 2 3 16 24 none; do
  >   printf '1\n%s\ns\nx\n' $answer | tikvane > /dev/null
  >   echo "$answer: $(grep bits tiklora.txt)"; rm tiklora.txt
  > done
  1: bits	16
  2: bits	24
  3: bits	24
  16: bits	24
  24: bits	24
  none: bits	24

The answer 0 ends the program before the depth is asked.

  $ printf '0\n1\n' | tikvane
  {banner}
  
  Enter sample rate or
  0 = exit, 1 = 44100,  2 = 48000,  3 = 88200,  4 = 96000
  [2]

A word where numbers are expected converts nothing and stays in the input:
here the menu reads it as the tempo command, whose prompt reads the 90.

  $ printf 't 90\nx\n' | tikvane
  {first-run}
  {menu}
  Enter tempo in beats per minute
  
  {menu tempo=90.0}
  [2]

The end of the input keeps the defaults and ends at the first menu.

  $ tikvane < /dev/null
  {first-run}
  {menu}
  [2]
