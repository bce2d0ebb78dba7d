With tiklora.txt present its settings are loaded and shown; fields the file
does not name keep their defaults.

  $ printf 'tempo\t90\n' > tiklora.txt
  $ echo x | tikvane
  {loaded}
  {menu tempo=90.0}
  [2]

  $ printf 'rate\t48000\ndevice\tcap\nbits\t16\ntempo\t97.33\nHz\t80.50\natime\t2.3\n' > tiklora.txt
  $ printf 'meter\t3\nmeas\t16\nsave\tsong.wav\nmap\tsongs.txt\n' >> tiklora.txt
  $ echo x | tikvane
  {banner}
  Settings Loaded
  -------------------------
  rate: 48000	bits: 16	device: cap
  meter: 3	meas: 16	atime: 2.3
  Hz: 80.50	save: song.wav	tmap: songs.txt
  -------------------------
  ready
  {menu tempo=97.3 Hz=80.5 meter=3 atime=2.3 device=cap meas=16 save=song.wav}
  [2]

A depth other than 16 is taken as 24; a rate above 768000 Hz (here -1,
read as 4294967295) is refused.

  $ printf 'bits\t20\nrate\t-1\n' > tiklora.txt
  $ echo x | tikvane | head -n 8
  {banner}
  Sample rate 4294967295 Hz is above the limit of 768000 Hz; using 44100 Hz.
  Settings Loaded
  -------------------------
  rate: 44100	bits: 24	device: default

A rate of 0 or a frequency of 0 gives an empty click, and no hang.

  $ printf 'rate\t0\nHz\t0\n' > tiklora.txt
  $ printf 'f\n60\nx\n' | tikvane > out
  [2]
  $ tail -n 24 out
  
  Enter lowest frequency of click in Hz
  
  {menu}
