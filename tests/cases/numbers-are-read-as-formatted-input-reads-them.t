A number read takes the longest piece of the word that can still begin a
number and gives back only the character that ended it; the rest of the
word is what the next read sees.

0x at an integer prompt reads 0 and is used up whole: the menu that follows
reads the next word, not the x, so the program does not exit.

  $ printf '1\n2\nb 0x\nal 2\nx\n' | tikvane
  {first-run}
  {menu}
  Enter beats per measure
  
  {menu meter=0}
  
  Enter audition length in seconds
  
  {menu meter=0 atime=2.0}
  [2]

At a number prompt 0x converts nothing but is used up; 1e and 1e+ read 1;
a hexadecimal mantissa with a binary exponent is a number too. A word that
cannot begin a number stays whole for the menu, which does not know it.

  $ menus() { printf "1\n2\n$1\nx\n" | tikvane | sed -n 's/.*(\(.* bpm\)).*/\1,/p; s/.*length (\(.* sec\)).*/\1;/p' | paste -sd ' '; }
  $ menus 't 0x
  > al 2'
  120.0 bpm, 10.0 sec; 120.0 bpm, 10.0 sec; 120.0 bpm, 2.0 sec;
  $ menus 't 1e
  > al 1e+'
  120.0 bpm, 10.0 sec; 1.0 bpm, 10.0 sec; 1.0 bpm, 1.0 sec;
  $ menus 't 0x1p7'
  120.0 bpm, 10.0 sec; 128.0 bpm, 10.0 sec;
  $ printf '1\n2\nt fast\nx\n' | tikvane
  {first-run}
  {menu}
  Enter tempo in beats per minute
  
  {menu}
  {menu}
  [2]

The piece that ended a number is read next: 08 is octal 0 followed by the
word 8, which is no command; a sign without digits is used up.

  $ printf '1\n2\nb 08\nt -fast\nx\n' | tikvane | grep -c 'Global settings'
  5

A number is looked at for 512 characters at most; the rest of the word is
the next word.

  $ menus "t $(printf %0512d 9)0"
  120.0 bpm, 10.0 sec; 9.0 bpm, 10.0 sec; 9.0 bpm, 10.0 sec;
