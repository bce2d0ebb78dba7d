s saves the ten settings in tiklora.txt (shown with | for each newline):
the defaults make 111 bytes, in a file of what the umask allows. When the
file is there it is loaded and shown; fields it does not name keep their
defaults, and floats keep the decimals they were saved with. Each value
command asks for its value.

  $ echo "$(umask 022; printf '1\n2\ns\nx\n' | tikvane | grep Saved) $(stat -c %A tiklora.txt) $(tr '\n' '|' < tiklora.txt)"
  Saved Settings -rw-r--r-- rate	44100|device	default|bits	24|tempo	120.00|Hz	60.00|atime	10.0|meter	4|meas	48|save	click.wav|map	tmap.txt|
  $ printf 't 97.333\nal 2.34\nb 3\nm 7\nn out.wav\no cap\nf 80.5\ns\nx\n' | tikvane | grep -x 'Enter.*' | tr '\n' '|'
  >   printf 'bits\t16\n' >> tiklora.txt; echo; echo x | tikvane > out; sed -n '/^Settings/,/^ready/p' out | paste -sd '|'; sed '1,/^ready/d' out
  Enter tempo in beats per minute|Enter audition length in seconds|Enter beats per measure|Enter number of measures|Enter new output file name.|Enter new playback device name.|Enter lowest frequency of click in Hz|
  Settings Loaded|-------------------------|rate: 44100	bits: 16	device: cap|meter: 3	meas: 7	atime: 2.3|Hz: 80.50	save: out.wav	tmap: tmap.txt|-------------------------|ready
  {menu tempo=97.3 Hz=80.5 meter=3 atime=2.3 device=cap meas=7 save=out.wav}

Started with standard input closed (from a job with no terminal), the
program still loads tiklora.txt, whose descriptor is then 0, and ends at
the end of its input with status 2.

  $ tikvane <&- > out; echo "[$?] $(grep -c 'Settings Loaded' out)"
  [2] 1

The file is read as words: a known key takes the rest of its line as its
value. `show` prints the loaded values and the tempo of the menu.

  $ show() { echo x | tikvane | sed -n -e '/^\(rate\|meter\|Hz\): /s/[a-zA-Z]*: //gp' -e 's/.*adjust tempo (\(.*\) bpm).*/\1/p' | paste -sd '|' -; }

An empty file gives the defaults. A blank serves as the separator and a
second one begins a text value; a key alone on its line takes the whole
next line; a value equal to a key name is a value; a key inside free text
is read too; keys in another case are passed over; the last of two lines
with one key wins; a key with nothing after it leaves its field.

  $ for text in '' 'tempo 90\nsave out.wav\nmeter\t\t7\nmap\t my map.txt\n' 'save\nbits\t16\nmap\tsave\n' \
  >   'the sample rate 32000 is fine\nRate\t8000\nhz\t1\ntempo\t1\ntempo\t2\nmeas'; do printf "$text" > tiklora.txt; show; done
  44100	24	default|4	48	10.0|60.00	click.wav	tmap.txt|120.0
  44100	24	default|7	48	10.0|60.00	out.wav	 my map.txt|90.0
  44100	24	default|4	48	10.0|60.00	bits	16	save|120.0
  32000	24	default|4	48	10.0|60.00	click.wav	tmap.txt|2.0

Text values are cut at their fields (15, 63 and 127 characters); a depth
other than 16 is 24. Only the first MiB of the file is read: here it ends
just before the 3 of the meter's line.

  $ printf 'device\t%040d\nsave\t%0100d\nmap\t%0300d\nbits\t20\n' 0 0 0 > tiklora.txt; show
  >   { printf 'tempo\t80\n'; head -c 1048561 /dev/zero | tr '\0' ' '; printf 'meter\t3\nmeas\t5\n'; } > tiklora.txt; show
  44100	24	000000000000000|4	48	10.0|60.00	000000000000000000000000000000000000000000000000000000000000000	0000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000|120.0
  44100	24	default|4	48	10.0|60.00	click.wav	tmap.txt|80.0

A rate of 0, or one above 768000 Hz (here -1, read as 4294967295), is
refused with a word, and 44100 Hz is used; 1 Hz is a rate.

  $ for rate in 0 1 -1; do printf "rate\t$rate\n" > tiklora.txt; echo x | tikvane | grep -o -e 'Sample.*' -e 'rate: [0-9]*'; done | paste -sd ' '
  Sample rate 0 Hz is outside 1 to 768000 Hz; using 44100 Hz. rate: 44100 rate: 1 Sample rate 4294967295 Hz is outside 1 to 768000 Hz; using 44100 Hz. rate: 44100

A save is written beside tiklora.txt and put in its place only once it is
whole on the disk, and its folder (here d) is then flushed too. A SIGTERM during the
save (here while the disk is made slow by strace) lets it end first: the
program then ends by the signal, leaving tiklora.txt whole and nothing
beside it. When it cannot be written (a file-size limit of 0, as
on a full disk) the program says why, does not claim to have saved, goes
on, and leaves the old file as it was, with nothing beside it. A
tiklora.txt that is a symbolic link (here to a link in a folder, which
leads on to the file beside it) stays one, and the file it leads to
keeps its permissions; one that leads to what is not a plain file (a
FIFO) is neither read at start, where the first-run prompts come at once,
nor replaced.

  $ mkdir d; printf 'rate\t96000\n' > d/real.txt; chmod 604 d/real.txt; ln -s real.txt d/link; ln -sf $PWD/d/link tiklora.txt
  >   (trap '' XFSZ; ulimit -f 0; printf 's\nx\n' | tikvane | grep -e Could -e Saved); echo $(ls -I out . d)
  >   printf 't 90\ns\nx\n' | strace -y -o trace -e trace=fsync,rename -e inject=fsync:delay_enter=3000000:when=1 tikvane > out & sleep 1; kill -TERM $(pgrep -P $!); wait $!
  >   echo "[$?] $(grep Saved out), $(grep -o '^[a-z]*' trace | paste -sd ' ') $(sed -n "s|^fsync([0-9]*<$PWD/\(.*\)>.*|\1|p" trace | tail -n 1), $(ls d | paste -sd ' ')"; echo $(stat -c '%A %N' d/* tiklora.txt | sed "s|$PWD/||") $(grep -e rate -e tempo d/real.txt)
  Could not save settings to 'tiklora.txt': File too large
  .: d tiklora.txt d: link real.txt
  [143] Saved Settings, fsync rename fsync d, link real.txt
  lrwxrwxrwx 'd/link' -> 'real.txt' -rw----r-- 'd/real.txt' lrwxrwxrwx 'tiklora.txt' -> 'd/link' rate 96000 tempo 90.00
  $ mkfifo fifo; ln -sf fifo tiklora.txt; printf '1\n2\ns\nx\n' | timeout 5 tikvane | grep -e Could -e 'sample rate' | paste -sd '|'
  Could not read 'tiklora.txt': it is not a regular file|Enter sample rate or|Could not save settings to 'tiklora.txt': it is not a regular file
