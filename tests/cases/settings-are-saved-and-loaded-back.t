s saves the ten settings in tiklora.txt (shown with | for each newline):
the defaults make 111 bytes. When the file is there it is loaded and
shown; fields it does not name keep their defaults, and floats keep the
decimals they were saved with. Each value command asks for its value.

  $ printf '1\n2\ns\nx\n' | tikvane | grep Saved; tr '\n' '|' < tiklora.txt
  Saved Settings
  rate	44100|device	default|bits	24|tempo	120.00|Hz	60.00|atime	10.0|meter	4|meas	48|save	click.wav|map	tmap.txt| (no-eol)
  $ printf 't 97.333\nal 2.34\nb 3\nm 7\nn out.wav\no cap\nf 80.5\ns\nx\n' | tikvane | grep -x 'Enter.*' | tr '\n' '|'
  >   printf 'bits\t16\n' >> tiklora.txt; echo; echo x | tikvane
  Enter tempo in beats per minute|Enter audition length in seconds|Enter beats per measure|Enter number of measures|Enter new output file name.|Enter new playback device name.|Enter lowest frequency of click in Hz|
  {loaded bits=16 device=cap meter=3 meas=7 atime=2.3 Hz=80.50 save=out.wav}
  {menu tempo=97.3 Hz=80.5 meter=3 atime=2.3 device=cap meas=7 save=out.wav}
  [2]

The file is read as words: a known key takes the rest of its line as its
value. `show` prints the loaded values and the tempo of the menu.

  $ show() { echo x | tikvane | sed -n -e '/^\(rate\|meter\|Hz\): /s/[a-zA-Z]*: //gp' -e 's/.*adjust tempo (\(.*\) bpm).*/\1/p' | paste -sd '|' -; }

An empty file gives the defaults. A blank serves as the separator and a
second one begins a text value; a key alone on its line takes the whole
next line; a value equal to a key name is a value; a key inside free text
is read too; keys in another case are passed over; the last of two lines
with one key wins; a key with nothing after it leaves its field.

  $ for text in '' 'tempo 90\nsave out.wav\nmeter\t\t7\nmap\t my map.txt\n' 'device\nbits\t16\nsave\tmap\nmap\ttmap2.txt\n' \
  >   'the sample rate 32000 is fine\nRate\t8000\nhz\t1\ntempo\t1\ntempo\t2\nmeas'; do printf "$text" > tiklora.txt; show; done
  44100	24	default|4	48	10.0|60.00	click.wav	tmap.txt|120.0
  44100	24	default|7	48	10.0|60.00	out.wav	 my map.txt|90.0
  44100	24	bits	16|4	48	10.0|60.00	map	tmap2.txt|120.0
  32000	24	default|4	48	10.0|60.00	click.wav	tmap.txt|2.0

Text values are cut at their fields (15, 63 and 127 characters); a depth
other than 16 is 24; a rate above 768000 Hz (here -1, read as 4294967295)
is refused. Only the first MiB of the file is read: here it ends just
before the 3 of the meter's line.

  $ printf 'device\t%040d\nsave\t%0100d\nmap\t%0300d\nbits\t20\nrate\t-1\n' 0 0 0 > tiklora.txt; show
  44100	24	000000000000000|4	48	10.0|60.00	000000000000000000000000000000000000000000000000000000000000000	0000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000|120.0
  $ { printf 'tempo\t80\n'; head -c 1048561 /dev/zero | tr '\0' ' '; printf 'meter\t3\nmeas\t5\n'; } > tiklora.txt; show
  44100	24	default|4	48	10.0|60.00	click.wav	tmap.txt|80.0

A rate of 0 gives an empty click, and no hang.

  $ printf 'rate\t0\n' > tiklora.txt; printf 'f\n60\nx\n' | tikvane | grep -c 'Global settings'
  2

When tiklora.txt cannot be written the program says why, does not claim to
have saved, and goes on. (A folder of that name reads as empty settings.)

  $ rm tiklora.txt; mkdir tiklora.txt; printf 's\nx\n' | tikvane | grep -e Could -e Saved -e Loaded
  >   rmdir tiklora.txt; ln -s /dev/full tiklora.txt; printf 's\nx\n' | tikvane | grep -e Could -e Saved
  Settings Loaded
  Could not save settings to 'tiklora.txt': Is a directory
  Could not save settings to 'tiklora.txt': No space left on device
