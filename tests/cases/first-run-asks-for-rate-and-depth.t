Without tiklora.txt the program asks for the sample rate and the bit depth,
then shows the menu; x ends it with status 2 at once, reading nothing more
and writing no settings file.

  $ printf '1\n2\nx\nt 90\n' | tikvane
  {first-run}
  {menu}
  [2]
  $ ls

The rate answers 1 to 4 pick 44100, 48000, 88200 and 96000 Hz, any other
number is the rate itself (decimal, hexadecimal or octal), a word keeps
44100, and a rate above 768000 Hz is refused. Only the depth answer 1
gives 16 bits.

  $ for answers in '1 1' '2 2' '3 3' '4 16' '5 none' 0x5622 010 fast 768000 768001; do
  >   printf '%s\n%s\ns\nx\n' $answers | tikvane | grep limit
  >   echo "$answers: $(head -n 3 tiklora.txt | cut -f 2 | tr '\n' ' ')"; rm tiklora.txt
  > done
  1 1: 44100 default 16 
  2 2: 48000 default 24 
  3 3: 88200 default 24 
  4 16: 96000 default 24 
  5 none: 5 default 24 
  0x5622: 22050 default 24 
  010: 8 default 24 
  fast: 44100 default 24 
  768000: 768000 default 24 
  Sample rate 768001 Hz is above the limit of 768000 Hz; using 44100 Hz.
  768001: 44100 default 24 

The answer 0 ends the program before the depth is asked; the end of the
input keeps the defaults and ends at the first menu.

  $ printf '0\n1\n' | tikvane | tail -n 3
  
  Enter sample rate or
  0 = exit, 1 = 44100,  2 = 48000,  3 = 88200,  4 = 96000
  $ tikvane < /dev/null
  {first-run}
  {menu}
  [2]
