Words that are not commands (case matters, and the whole word is compared,
however long) bring the menu back at once and nothing else; c counts only
on the help screen (shown: the exit status, the menus, the lines).

  $ printf '1\n2\nT c %010000d x\n' 0 | tikvane > out; echo "[$?] $(grep -c Global out) $(wc -l < out)"
  [2] 4 94

Every recognised command rebuilds the click, which shows as an empty line.
The help screen (its text, from How to to continue, hashed apart) passes
over every word, commands too, until c; the command after the c runs as
usual, its value on the same line.

  $ printf '1\n2\nh x t 90 cc C c t 90\nx\n' | tikvane > out; sed -e '1,/^ready/d' -e '/^How to/,/^Enter .c./d' out; sed -n '/^How to/,/^Enter .c./p' out | md5sum
  {menu}
  
  
  {menu}
  Enter tempo in beats per minute
  
  {menu tempo=90.0}
  cb27edb00327803d65122a850f7841d8  -

The end of the input stops the help screen and keeps a prompt's value (the
audition length stays 10.0), and ends the program at the next menu (shown:
menus, and menus with that length). A frequency too low for a click
shorter than a second empties the click and says so on every pass that
uses it; 60 Hz brings the whole click back, and 2 Hz, whose click keeps one
period, is not too low (shown: how often it is said).

  $ echo $(printf '1\n2\nh' | tikvane | grep -c Global) $(printf '1\n2\nal' | tikvane | grep -c '(10.0 sec)') $(printf '1\n2\nf 1\nf 60\nf 1\nf 2\nx\n' | tikvane | grep -c 'too low')
  2 2 2

A name that fills its field (15 characters for the device, 63 for the file)
is kept whole; a longer one is refused whole and none of it is read as a
command (these end in t, the tempo command).

  $ printf '1\n2\no %015dt\nn %063dt\no %015d\nn %063d\nx\n' 0 0 0 0 | tikvane | grep -e longer -e 'Enter [nt]' | paste -sd '|'
  Enter new playback device name.|The device name is longer than 15 characters; keeping 'default'.|Enter new output file name.|The file name is longer than 63 characters; keeping 'click.wav'.|Enter new playback device name.|Enter new output file name.

When the dialogue itself cannot be written, the program says so on
standard error, once; the exit status stays.

  $ printf '1\n2\nx\n' | tikvane > /dev/full
  Could not write standard output: No space left on device
  [2]
