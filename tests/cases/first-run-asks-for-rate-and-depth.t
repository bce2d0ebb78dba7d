Without tiklora.txt the program asks for the sample rate and the bit depth,
then shows the menu. The end of the input keeps the defaults and ends the
program at the first menu with status 2; no settings file is written.

  $ tikvane < /dev/null; echo "[$?] $(ls | wc -l) files"
  
  Tikvane v. 1.023 (m) by Velmorad
  
  Checking for tiklora.txt file...
  
  Enter sample rate or
  0 = exit, 1 = 44100,  2 = 48000,  3 = 88200,  4 = 96000
  
  Choose Bit Depth (1 = 16 bits, 2 = 24 bits)
  ready
  {menu}
  [2] 0 files

The rate answers 1 to 4 pick 44100, 48000, 88200 and 96000 Hz (1 and 2
are in every case), any other number is the rate itself (decimal,
hexadecimal or octal), a word keeps 44100, and a rate above 768000 Hz is
refused with a word. Only the depth answer 1 gives 16 bits. The answer 0
ends the program before the depth is asked. Shown for each: the exit
status, the lines that ask for the depth or refuse the rate, and the rate
and depth saved by s.

  $ for answers in '3 1' '4 16' '5 3' 0x5622 010 fast 768000 768001 '0 1'; do printf '%s\n%s\ns\nx\n' $answers |
  >   tikvane > out; echo -n "$answers: [$?] $(grep -c -e Depth -e outside out) $(cut -f 2 tiklora.txt | sed -n '1p;3p'); "; rm -f tiklora.txt; done 2> /dev/null | tr '\n' ' '
  3 1: [2] 1 88200 16; 4 16: [2] 1 96000 24; 5 3: [2] 1 5 24; 0x5622: [2] 1 22050 24; 010: [2] 1 8 24; fast: [2] 1 44100 24; 768000: [2] 1 768000 24; 768001: [2] 2 44100 24; 0 1: [2] 0 ;  (no-eol)
