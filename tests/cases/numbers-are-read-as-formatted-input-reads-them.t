A number read takes the longest piece of the word that can still begin a
number and gives back only the character that ended it; the rest of the
word is what the next read sees.

`menus` shows, for each menu after the given commands, its tempo, meter
and audition length; an s and an x follow, so "saved" shows that the
dialogue ran to its end.

  $ menus() { printf "1\n2\n$1\ns\nx\n" | tikvane | sed -n -e 's/.*adjust tempo (\(.*\) bpm).*/ \1/p' -e 's/.*per measure (\(.*\))$/\/\1/p' \
  >   -e 's/.*length (\(.*\) sec).*/\/\1/p' -e 's/^Saved.*/ saved/p' | tr -d '\n' | cut -c 2-; rm -f tiklora.txt; }

0x at an integer prompt reads 0 and is used up whole: the x is not read as
the exit command. At a fractional prompt 0x, with a sign or in capitals,
converts nothing but is used up. An integer prompt reads hexadecimal digits
after 0x, octal digits after a leading 0, and a sign.

  $ menus 'b 0x\nt 0x\nal -0X\nb 0X1F\nb 017\nb -0x1f'
  120.0/4/10.0 120.0/0/10.0 120.0/0/10.0 120.0/0/10.0 120.0/31/10.0 120.0/15/10.0 120.0/-31/10.0 saved 120.0/-31/10.0

1e and 1e+ read 1; a hexadecimal mantissa may have a binary exponent; inf,
infinity and nan are read in any case and with a sign, but a piece of one
of them converts nothing.

  $ menus 't 1e\nal 1e+\nt 1e+2\nal 5e-1\nt 0.5e+3\nt 0x1p7\nt 0X1P6\nt +inf\nal NaN\nt -Infinity\nt infin'
  120.0/4/10.0 1.0/4/10.0 1.0/4/1.0 100.0/4/1.0 100.0/4/0.5 500.0/4/0.5 128.0/4/0.5 64.0/4/0.5 inf/4/0.5 inf/4/nan -inf/4/nan -inf/4/nan saved -inf/4/nan

A word that cannot begin a number stays whole for the next read: a command
is then run (here s), any other word is not known to the menu. What ends a
number is read next: 08 is octal 0 and then the word 8; a sign without
digits is used up. A number is looked at for 512 characters at most; the
rest of the word is the next word.

  $ menus "t s\nt fast\nb 08\nt -fast\nt $(printf %0512d 9)0"
  120.0/4/10.0 120.0/4/10.0 saved 120.0/4/10.0 120.0/4/10.0 120.0/4/10.0 120.0/0/10.0 120.0/0/10.0 120.0/0/10.0 120.0/0/10.0 9.0/0/10.0 9.0/0/10.0 saved 9.0/0/10.0
