tiklora.txt is read as words: a known key takes the rest of its line as its
value. `show` prints the loaded block and the tempo of the menu.

  $ show() { echo x | tikvane | sed -n -e '7,9p' -e 's/.*(\(.*bpm\)).*/tempo \1/p'; }
  $ : > tiklora.txt; show
  rate: 44100	bits: 24	device: default
  meter: 4	meas: 48	atime: 10.0
  Hz: 60.00	save: click.wav	tmap: tmap.txt
  tempo 120.0 bpm
  $ printf 'map\tsongs.txt\n' > tiklora.txt; show
  rate: 44100	bits: 24	device: default
  meter: 4	meas: 48	atime: 10.0
  Hz: 60.00	save: click.wav	tmap: songs.txt
  tempo 120.0 bpm

A blank serves as the separator; a second TAB or blank begins a text value.

  $ printf 'tempo 90\nsave out.wav\nmeter\t\t7\nmap\t my map.txt\n' > tiklora.txt; show
  rate: 44100	bits: 24	device: default
  meter: 7	meas: 48	atime: 10.0
  Hz: 60.00	save: out.wav	tmap:  my map.txt
  tempo 90.0 bpm

Carriage returns stay on text values; numbers convert all the same.

  $ printf 'rate\t48000\r\ndevice\thw:1\r\nHz\t80.5\r\nmap\tm.txt\r\n' > tiklora.txt; show
  rate: 48000\tbits: 24\tdevice: hw:1\r (esc)
  meter: 4	meas: 48	atime: 10.0
  Hz: 80.50\tsave: click.wav\ttmap: m.txt\r (esc)
  tempo 120.0 bpm

A key alone on its line takes the whole next line; a value equal to a key
name is a value.

  $ printf 'device\nbits\t16\nsave\tmap\nmap\ttmap2.txt\n' > tiklora.txt; show
  rate: 44100	bits: 24	device: bits	16
  meter: 4	meas: 48	atime: 10.0
  Hz: 60.00	save: map	tmap: tmap2.txt
  tempo 120.0 bpm

A key inside free text is read too; keys in another case are passed over;
the last of two lines with one key wins.

  $ printf 'the sample rate 32000 is fine\nRate\t8000\nhz\t1\ntempo\t1\ntempo\t2\n' > tiklora.txt; show
  rate: 32000	bits: 24	device: default
  meter: 4	meas: 48	atime: 10.0
  Hz: 60.00	save: click.wav	tmap: tmap.txt
  tempo 2.0 bpm
  $ printf 'a rate\nmeter\t3\n' > tiklora.txt; show
  rate: 0	bits: 24	device: default
  meter: 4	meas: 48	atime: 10.0
  Hz: 60.00	save: click.wav	tmap: tmap.txt
  tempo 120.0 bpm

A key at the very end, with nothing after it, leaves its field alone.

  $ printf 'tempo\t80\nsave' > tiklora.txt; show
  rate: 44100	bits: 24	device: default
  meter: 4	meas: 48	atime: 10.0
  Hz: 60.00	save: click.wav	tmap: tmap.txt
  tempo 80.0 bpm
  $ printf 'device\n\n\n' > tiklora.txt; show
  rate: 44100	bits: 24	device: default
  meter: 4	meas: 48	atime: 10.0
  Hz: 60.00	save: click.wav	tmap: tmap.txt
  tempo 120.0 bpm

Text values are cut at their fields (15, 63 and 127 characters), and a
large file is read whole.

  $ printf '%5000s\ndevice\t%040d\nsave\t%0100d\nmap\t%0300d\nbits\t16\n' '' 0 0 0 > tiklora.txt
  $ show
  rate: 44100	bits: 16	device: 000000000000000
  meter: 4	meas: 48	atime: 10.0
  Hz: 60.00	save: 000000000000000000000000000000000000000000000000000000000000000	tmap: 0000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000
  tempo 120.0 bpm
