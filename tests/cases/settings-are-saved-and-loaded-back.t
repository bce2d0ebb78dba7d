s saves the ten settings in tiklora.txt: the defaults make 111 bytes.

  $ printf '1\n2\ns\nx\n' | tikvane
  {first-run}
  {menu}
  Saved Settings
  
  {menu}
  [2]
  $ cat tiklora.txt; wc -c < tiklora.txt
  rate	44100
  device	default
  bits	24
  tempo	120.00
  Hz	60.00
  atime	10.0
  meter	4
  meas	48
  save	click.wav
  map	tmap.txt
  111

Floats keep the decimals they are saved with, and load back as such.

  $ printf 't 97.333\nal 2.34\nb 3\nm 7\nn out.wav\no cap\nf 80\ns\nx\n' | tikvane > /dev/null
  [2]
  $ echo x | tikvane | sed -n '5,13p'
  Settings Loaded
  -------------------------
  rate: 44100	bits: 24	device: cap
  meter: 3	meas: 7	atime: 2.3
  Hz: 80.00	save: out.wav	tmap: tmap.txt
  -------------------------
  ready
  
  Global settings:
  $ echo x | tikvane | grep 'adjust tempo'
  	Enter 't' to adjust tempo (97.3 bpm).
  $ grep tempo tiklora.txt
  tempo	97.33

Names that fill their fields exactly are kept whole and saved beside their
neighbours; a longer name is refused whole and none of it is read as a
command (they end in t, the tempo command).

  $ rm tiklora.txt
  $ printf '1\n2\no %015dt\nn %063dt\no %015d\nn %063d\ns\nx\n' 0 0 0 0 | tikvane > out
  [2]
  $ grep -e longer -e 'Enter tempo' out
  The device name is longer than 15 characters; keeping 'default'.
  The file name is longer than 63 characters; keeping 'click.wav'.
  $ cat tiklora.txt
  rate	44100
  device	000000000000000
  bits	24
  tempo	120.00
  Hz	60.00
  atime	10.0
  meter	4
  meas	48
  save	000000000000000000000000000000000000000000000000000000000000000
  map	tmap.txt

When tiklora.txt cannot be written the program says why, does not claim to
have saved, and goes on. (A folder of that name reads as empty settings;
so does a device that never ends, read no further than its first MiB.)

  $ rm tiklora.txt; mkdir tiklora.txt
  $ printf 's\nx\n' | tikvane | grep -e Could -e Saved -e Loaded
  Settings Loaded
  Could not save settings to 'tiklora.txt': Is a directory
  $ rmdir tiklora.txt; ln -s /dev/full tiklora.txt
  $ printf 's\nx\n' | tikvane | grep -e Could -e Saved -e Loaded
  Settings Loaded
  Could not save settings to 'tiklora.txt': No space left on device
