A tempo map that is not there, and an output file that cannot be made,
are reported with the file's name and the system's reason; no file is
touched and the menu comes back with every setting as it was.

  $ printf '1\n2\nt 90\nptm\nrtm\ns\nx\n' | tikvane
  {first-run}
  {menu}
  Enter tempo in beats per minute
  
  {menu tempo=90.0}
  
  Could not read the tempo map 'tmap.txt': No such file or directory
  {menu tempo=90.0}
  
  Could not read the tempo map 'tmap.txt': No such file or directory
  {menu tempo=90.0}
  Saved Settings
  
  {menu tempo=90.0}
  [2]
  $ ls; grep tempo tiklora.txt
  tiklora.txt
  tempo	90.00

So is a map that cannot be read (a folder), or that is longer than 1 MiB;
a map of 1 MiB is read (after a NUL nothing counts).

  $ mkdir tmap.txt; printf 'ptm\nx\n' | tikvane | grep Could
  Could not read the tempo map 'tmap.txt': Is a directory
  $ rmdir tmap.txt; head -c 1048577 /dev/zero > tmap.txt; printf 'rtm\nx\n' | tikvane | grep Could
  Could not read the tempo map 'tmap.txt': File too large
  $ { printf 'tmap\t1\t0\t0\n'; head -c 1048565 /dev/zero; } > tmap.txt; wc -c < tmap.txt
  1048576
  $ printf 'rtm\nx\n' | tikvane | grep -e Could -e Found
  Found 1 map entries.

w and rtm into a folder that does not exist:

  $ printf 'tmap\t160\t3\t16\n' > tmap.txt
  $ printf 'b 3\nn no/such/folder/take.wav\nw\nrtm\ns\nx\n' | tikvane | sed -n '/^ready/,$p'
  ready
  {menu tempo=90.0}
  Enter beats per measure
  
  {menu tempo=90.0 meter=3}
  Enter new output file name.
  
  {menu tempo=90.0 meter=3 save=no/such/folder/take.wav}
  
  Could not create 'no/such/folder/take.wav': No such file or directory
  {menu tempo=90.0 meter=3 save=no/such/folder/take.wav}
  
  Parsing tmap file..
  Found 1 map entries.
  Could not create 'no/such/folder/take.wav': No such file or directory
  {menu tempo=90.0 meter=3 save=no/such/folder/take.wav}
  Saved Settings
  
  {menu tempo=90.0 meter=3 save=no/such/folder/take.wav}
  $ grep -e tempo -e meter tiklora.txt
  tempo	90.00
  meter	3

A folder of the file's name, and a read-only folder (the program runs as
nobody there, since root may write anywhere):

  $ mkdir take.wav; printf 'n take.wav\nw\nrtm\nx\n' | tikvane | grep Could
  Could not create 'take.wav': Is a directory
  Could not create 'take.wav': Is a directory
  $ mkdir -m 555 locked; chmod 755 .
  $ as_nobody() { if [ "$(id -u)" = 0 ]; then setpriv --reuid=65534 --regid=65534 --clear-groups "$@"; else "$@"; fi; }
  $ printf 'n locked/take.wav\nw\nrtm\nx\n' | as_nobody tikvane | grep Could; ls locked
  Could not create 'locked/take.wav': Permission denied
  Could not create 'locked/take.wav': Permission denied
