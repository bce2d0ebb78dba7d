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

`menus` shows each menu's tempo, meter and audition length after the
given commands; an s and an x follow them, so "saved" shows that the
dialogue ran to its end.

  $ menus() { printf "1\n2\n$1\ns\nx\n" | tikvane | awk '
  >     /adjust tempo|per measure|the audition length/ { v = $0; sub(/.*\(/, "", v); sub(/\).*/, "", v) }
  >     /adjust tempo/ { t = v } /per measure/ { b = v } /the audition length/ { print t ", " b " beats, " v }
  >     /^Saved/ { print "saved" }'; rm -f tiklora.txt; }

At a fractional prompt 0x, with a sign or in capitals, converts nothing but
is used up; 1e and 1e+ read 1; a hexadecimal mantissa may have a binary
exponent. An integer prompt reads hexadecimal digits after 0x, octal
digits after a leading 0, and a sign.

  $ menus 't 0x
  > al -0X
  > b 0X1F
  > b 017
  > b -0x1f'
  120.0 bpm, 4 beats, 10.0 sec
  120.0 bpm, 4 beats, 10.0 sec
  120.0 bpm, 4 beats, 10.0 sec
  120.0 bpm, 31 beats, 10.0 sec
  120.0 bpm, 15 beats, 10.0 sec
  120.0 bpm, -31 beats, 10.0 sec
  saved
  120.0 bpm, -31 beats, 10.0 sec
  $ menus 't 1e
  > al 1e+
  > t 1e+2
  > al 5e-1
  > t 0.5e+3'
  120.0 bpm, 4 beats, 10.0 sec
  1.0 bpm, 4 beats, 10.0 sec
  1.0 bpm, 4 beats, 1.0 sec
  100.0 bpm, 4 beats, 1.0 sec
  100.0 bpm, 4 beats, 0.5 sec
  500.0 bpm, 4 beats, 0.5 sec
  saved
  500.0 bpm, 4 beats, 0.5 sec
  $ menus 't 0x1p7
  > t 0X1P6
  > b 0x1f'
  120.0 bpm, 4 beats, 10.0 sec
  128.0 bpm, 4 beats, 10.0 sec
  64.0 bpm, 4 beats, 10.0 sec
  64.0 bpm, 31 beats, 10.0 sec
  saved
  64.0 bpm, 31 beats, 10.0 sec

A fractional prompt also reads inf, infinity and nan, in any case and
with a sign; a piece of one of them converts nothing.

  $ menus 't +inf
  > al NaN
  > t -Infinity
  > t infin'
  120.0 bpm, 4 beats, 10.0 sec
  inf bpm, 4 beats, 10.0 sec
  inf bpm, 4 beats, nan sec
  -inf bpm, 4 beats, nan sec
  -inf bpm, 4 beats, nan sec
  saved
  -inf bpm, 4 beats, nan sec

A word that cannot begin a number stays whole for the next read: a
command is then run (here s), any other word is not known to the menu.
What ends a number is read next: after 1x the x ends the program.

  $ menus 't s'
  120.0 bpm, 4 beats, 10.0 sec
  120.0 bpm, 4 beats, 10.0 sec
  saved
  120.0 bpm, 4 beats, 10.0 sec
  saved
  120.0 bpm, 4 beats, 10.0 sec
  $ menus 't 1x'
  120.0 bpm, 4 beats, 10.0 sec
  1.0 bpm, 4 beats, 10.0 sec
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
  120.0 bpm, 4 beats, 10.0 sec
  9.0 bpm, 4 beats, 10.0 sec
  9.0 bpm, 4 beats, 10.0 sec
  saved
  9.0 bpm, 4 beats, 10.0 sec
