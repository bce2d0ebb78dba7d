A number read takes the longest piece of the word that can still begin a
number and gives back only the character that ended it; the rest of the
word is what the next read sees.

`menus` shows, for each menu after the given commands, its tempo, meter
and audition length; an s and an x follow, so "saved" shows that the
dialogue ran to its end.

  $ menus() { printf "1\n2\n$1\ns\nx\n" | tikvane | awk '
  >     /^\t.*(adjust tempo|per measure|audition length)/ { v = $0; sub(/.*\(/, "", v); sub(/ ?[a-z]*\)\.?$/, "", v); m = m "/" v }
  >     /^\t.*audition length/ { s = s " " substr(m, 2); m = "" } /^Saved/ { s = s " saved" } END { print substr(s, 2) }'
  >   rm -f tiklora.txt; }

0x at an integer prompt reads 0 and is used up whole: the x is not read as
the exit command. At a fractional prompt 0x, with a sign or in capitals,
converts nothing but is used up. An integer prompt reads hexadecimal digits
after 0x, octal digits after a leading 0, and a sign.

  $ menus 'b 0x
  > t 0x
  > al -0X
  > b 0X1F
  > b 017
  > b -0x1f'
  120.0/4/10.0 120.0/0/10.0 120.0/0/10.0 120.0/0/10.0 120.0/31/10.0 120.0/15/10.0 120.0/-31/10.0 saved 120.0/-31/10.0

1e and 1e+ read 1; a hexadecimal mantissa may have a binary exponent; inf,
infinity and nan are read in any case and with a sign, but a piece of one
of them converts nothing.

  $ menus 't 1e
  > al 1e+
  > t 1e+2
  > al 5e-1
  > t 0.5e+3
  > t 0x1p7
  > t 0X1P6'
  120.0/4/10.0 1.0/4/10.0 1.0/4/1.0 100.0/4/1.0 100.0/4/0.5 500.0/4/0.5 128.0/4/0.5 64.0/4/0.5 saved 64.0/4/0.5
  $ menus 't +inf
  > al NaN
  > t -Infinity
  > t infin'
  120.0/4/10.0 inf/4/10.0 inf/4/nan -inf/4/nan -inf/4/nan saved -inf/4/nan

A word that cannot begin a number stays whole for the next read: a command
is then run (here s), any other word is not known to the menu. What ends a
number is read next: after 1x the x ends the program; 08 is octal 0 and
then the word 8; a sign without digits is used up.

  $ menus 't s'
  120.0/4/10.0 120.0/4/10.0 saved 120.0/4/10.0 saved 120.0/4/10.0
  $ menus 't 1x'
  120.0/4/10.0 1.0/4/10.0
  $ menus 't fast
  > b 08
  > t -fast'
  120.0/4/10.0 120.0/4/10.0 120.0/4/10.0 120.0/0/10.0 120.0/0/10.0 120.0/0/10.0 120.0/0/10.0 saved 120.0/0/10.0

A number is looked at for 512 characters at most; the rest of the word is
the next word.

  $ menus "t $(printf %0512d 9)0"
  120.0/4/10.0 9.0/4/10.0 9.0/4/10.0 saved 9.0/4/10.0
