Writes stopped part-way by a file-size limit (about 1 MB, in a shell that
ignores SIGXFSZ, so the write fails as on a full disk): the program says
so and ends with status 2, and leaves no file that lies.

  $ limited() { (trap '' XFSZ; ulimit -f 1000; tikvane > out; echo "[$?] $(tail -n 1 out)"); }

w keeps the whole samples that reached the disk, and its header says how
many there are.

  $ printf '1\n2\nw\nx\n' | limited
  [2] Could not write click.wav: File too large
  $ tikprobe wav click.wav; tikprobe clicks click.wav 2205; soxi -s click.wav
  1023998 bytes: RIFF size 1023990, data size 1023954; 1 channel(s) at 44100 Hz, 24 bits
  16 clicks at 0 22050 44100 66150 ...
  apart: 22050 (15)
  other samples not silent: 0
  341318

So does rtm: the first section whole, then what fitted of the second.

  $ printf 'tmap\t120\t4\t2\ntmap\t160\t3\t16\n' > tmap.txt
  $ printf '1\n2\nrtm\nx\n' | limited
  [2] Could not write click.wav: File too large
  $ tikprobe wav click.wav; tikprobe clicks click.wav 2205
  1023998 bytes: RIFF size 1023990, data size 1023954; 1 channel(s) at 44100 Hz, 24 bits
  18 clicks at 0 22050 44100 66150 ...
  apart: 16537 (4) 16538 (5) 22050 (8)
  other samples not silent: 0

+ is all or nothing: a track that does not fit leaves the file byte for byte
as it was.

  $ printf '1\n2\nm 1\nw\nx\n' | tikvane > /dev/null; cp click.wav before.wav
  $ printf '1\n2\n+\nx\n' | limited
  [2] Could not write click.wav: File too large
  $ cmp click.wav before.wav && echo unchanged
  unchanged

A full disk (here /dev/full) is reported the same way, never taken for
success.

  $ printf 'save\t/dev/full\n' > tiklora.txt
  $ printf 'w\nx\n' | tikvane | tail -n 1; printf 'rtm\nx\n' | tikvane | tail -n 1
  Could not write /dev/full: No space left on device
  Could not write /dev/full: No space left on device
