Without tiklora.txt the program asks for the sample rate and the bit depth,
then shows the menu; x ends it with status 2 at once, reading nothing more
and writing no settings file.

  $ printf '1\n2\nx\nt 90\n' | tikvane
  {first-run}
  {menu}
  [2]
  $ ls

The rate answers 1 to 4 pick 44100, 48000, 88200 and 96000 Hz (1 and 2
are in every case), any other number is the rate itself (decimal,
hexadecimal or octal), a word keeps 44100, and a rate above 768000 Hz is
refused. Only the depth answer 1 gives 16 bits.

  $ for answers in '3 1' '4 16' '5 3' 0x5622 010 fast 768000 768001; do printf '%s\n%s\ns\nx\n' $answers |
  >   tikvane > /dev/null; echo -n "$answers: $(cut -f 2 tiklora.txt | sed -n '1p;3p' | paste -sd ' ') | "; rm tiklora.txt; done
  3 1: 88200 16 | 4 16: 96000 24 | 5 3: 5 24 | 0x5622: 22050 24 | 010: 8 24 | fast: 44100 24 | 768000: 768000 24 | 768001: 44100 24 |  (no-eol)
  $ printf '768001\n2\nx\n' | tikvane | grep limit
  Sample rate 768001 Hz is above the limit of 768000 Hz; using 44100 Hz.

The answer 0 ends the program before the depth is asked; the end of the
input keeps the defaults and ends at the first menu.

  $ printf '0\n1\n' | tikvane | tail -n 3; echo "status ${PIPESTATUS[1]}"
  
  Enter sample rate or
  0 = exit, 1 = 44100,  2 = 48000,  3 = 88200,  4 = 96000
  status 2
  $ tikvane < /dev/null
  {first-run}
  {menu}
  [2]
