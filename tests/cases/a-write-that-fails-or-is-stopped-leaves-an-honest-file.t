A write that fails part-way (here a file-size limit of about 1 MB, in a
shell that ignores SIGXFSZ, so the write fails as on a full disk) is
reported and ends the program with status 2, and leaves no file that lies:
w and rtm keep the whole samples that reached the disk, a megabyte's worth,
and a header that states them (`honest` says so); + leaves the file byte
for byte as it was (here sox's file of an odd number of samples, whose pad
byte, an X, the new samples replaced: it is put back).

  $ limited() { (trap '' XFSZ; ulimit -f 1000; tikvane > out 2>&1; echo "[$?] $(tail -n 1 out)"); }
  $ honest() { set -- $(wc -c < $1) $(od -An -tu4 -j4 -N4 $1) $(od -An -tu4 -j40 -N4 $1) $(soxi -s $1)
  >            [ $(($1 - 8)) = $2 ] && [ $(($1 - 44)) = $3 ] && [ $3 = $(($4 * 3)) ] && [ $4 -gt 333000 ] && echo honest; }
  $ printf 'tmap\t120\t4\t2\ntmap\t160\t3\t16\n' > tmap.txt; for command in w rtm; do echo "$(printf "1\n2\n$command\nx\n" | limited) $(honest click.wav)"; done
  >   sox -r 44100 -n -b 24 -c 1 before.wav trim 0 44101s; perl -0777 -pi -e 's/.\z/X/s' before.wav; cp before.wav click.wav; echo "$(printf '1\n2\n+\nx\n' | limited) $(cmp click.wav before.wav && echo unchanged)"
  [2] Could not write click.wav: File too large honest
  [2] Could not write click.wav: File too large honest
  [2] Could not write click.wav: File too large unchanged

A disk that fails (EIO, made so by strace on the file) when + reads the
file's chunks, reads its pad byte or cuts it off (ftruncate, ftruncate64
on a 32-bit build) is reported with the system's text, and the file is
left as it was. So is one that fails once the samples are written, when
+ reads the chunks again, reads the size fields or writes the new sizes
(the data size, the RIFF size, the fact count): the samples are taken
back, the pad byte and every field written given back as they were.

  $ for fault in pread64 pread64:when=6 /^ftruncate pread64:when=7 pread64:when=12 pwrite64:when=1 pwrite64:when=2 pwrite64:when=3; do cp before.wav click.wav; printf '1\n2\n+\nx\n' |
  >   traced -o /dev/null -P click.wav -e inject=$fault:error=EIO tikvane 2>&1 | grep -e Can -e Could; cmp click.wav before.wav && echo unchanged; done | paste -sd ' '
  Can't add to click.wav: Input/output error unchanged Can't add to click.wav: Input/output error unchanged Could not write click.wav: Input/output error unchanged Could not write click.wav: Input/output error unchanged Could not write click.wav: Input/output error unchanged Could not write click.wav: Input/output error unchanged Could not write click.wav: Input/output error unchanged Could not write click.wav: Input/output error unchanged

The same holds for sox's files as they are, one of an even length and one
whose pad byte is 0, when the RIFF size cannot be written.

  $ for samples in 44100 44101; do sox -r 44100 -n -b 24 -c 1 sox.wav trim 0 ${samples}s; cp sox.wav click.wav; printf '1\n2\n+\nx\n' |
  >   traced -o /dev/null -P click.wav -e inject=pwrite64:error=EIO:when=2 tikvane 2>&1 | grep Could; cmp click.wav sox.wav && echo unchanged; done | paste -sd ' '
  Could not write click.wav: Input/output error unchanged Could not write click.wav: Input/output error unchanged

Ctrl-C (SIGINT), a kill (SIGTERM) or a closed terminal (SIGHUP) during a
long w, + or rtm stops it the same way. After Ctrl-C the program says so,
the menu comes back with every setting as it was and s saves them; after
the other two the program ends by the signal (a shell sees 143 and 129),
what it printed before the signal, such as rtm's count of map entries and
its first section, delivered; a stopped write is not summed up.

  $ printf 'tmap\t100\t4\t1\ntmap\t160\t3\t3000\n' > tmap.txt
  $ stop() { printf "1\n2\nm 3000\n$2\ns\nx\n" | env --default-signal tikvane > out 2>&1 & pid=$!
  >          until [ "$(wc -c < click.wav)" -gt $3 ]; do sleep 0.001; done 2> /dev/null; kill -$1 $pid; wait $pid 2> /dev/null
  >          echo "$1 $2: [$?] $(grep -h -e Found -e Section -e stopped -e wrote -e Saved -e ^tempo out tiklora.txt 2> /dev/null | paste -sd ' ')"; rm -f tiklora.txt; }
  $ for signal in INT TERM HUP; do
  >   rm -f click.wav; echo "$(stop $signal w 1000000) $(honest click.wav)"
  >   rm -f click.wav; echo "$(stop $signal rtm 1000000) $(honest click.wav)"
  >   cp before.wav click.wav; echo "$(stop $signal + 2000000) $(cmp click.wav before.wav && echo unchanged)"
  > done | awk '{ printf "%s%s", $0, NR % 3 ? ", " : "\n" }'
  INT w: [2] Writing stopped: click.wav holds the whole samples written. Saved Settings tempo	120.00 honest, INT rtm: [2] Found 2 map entries. Section 1: 100 bpm, 4 beats a measure, 1 measure: 105840 samples, 0:02.400. Writing stopped: click.wav holds the whole samples written. Saved Settings tempo	120.00 honest, INT +: [2] Writing stopped: click.wav is as it was before. Saved Settings tempo	120.00 unchanged
  TERM w: [143]  honest, TERM rtm: [143] Found 2 map entries. Section 1: 100 bpm, 4 beats a measure, 1 measure: 105840 samples, 0:02.400. honest, TERM +: [143]  unchanged
  HUP w: [129]  honest, HUP rtm: [129] Found 2 map entries. Section 1: 100 bpm, 4 beats a measure, 1 measure: 105840 samples, 0:02.400. honest, HUP +: [129]  unchanged

A Ctrl-C that breaks off a write in the system call (EINTR, as on a FUSE
or network mount; here made so by strace on the second of two writes) is
the same stop, not a failure: the file keeps the first write's samples.

  $ printf '1\n2\nt 90\nw\ns\nx\n' | traced -o /dev/null -e inject=writev:error=EINTR:signal=SIGINT:when=2 env --default-signal tikvane > out
  >   echo "[$?] $(grep -h -e stopped -e Saved -e ^tempo out tiklora.txt | paste -sd ' ') $(honest click.wav) $(wc -c < click.wav)"; rm tiklora.txt
  [2] Writing stopped: click.wav holds the whole samples written. Saved Settings tempo	90.00 honest 11289644

A Ctrl-C that comes while w or rtm fails to make its file (strace makes
the open fail and sends SIGINT) adds no word of a stopped write, for no
file was written; the menu comes back.

  $ for command in w rtm; do printf "1\n2\n$command\ns\nx\n" | traced -o /dev/null -P click.wav -e inject=openat:error=EACCES:signal=SIGINT env --default-signal tikvane 2>&1 |
  >   grep -e Could -e stopped -e Saved | paste -sd ' '; rm tiklora.txt; done
  Could not create 'click.wav': Permission denied Saved Settings
  Could not create 'click.wav': Permission denied Saved Settings

An output file that cannot be made (here for w a track of no measures;
in a folder that does not exist,
where a folder has its name, or where a FIFO has it, which w, rtm and +
refuse at once rather than wait on) is reported with the reason; nothing
is touched and the menu comes back with every setting as it was (rtm
leaves the tempo alone then: here the t 70 before it, saved by s).

  $ mkdir take.wav; mkfifo fifo; printf '1\n2\nm 0\nn no/such/take.wav\nw\nrtm\nn take.wav\nw\nn fifo\nt 70\nw\nrtm\n+\ns\nx\n' | timeout 5 tikvane | grep -e Could -e Can | uniq -c | paste -sd '|'; grep -e tempo -e save tiklora.txt | paste -sd ' '
        2 Could not create 'no/such/take.wav': No such file or directory|      1 Could not create 'take.wav': Is a directory|      2 Could not create 'fifo': it is not a regular file|      1 Can't add to fifo: it is not a regular file
  tempo	70.00 save	fifo

A name that becomes a FIFO between the program's look at it and the open
(strace holds the program for a second after the look while the file is
replaced) is refused all the same: the open does not wait, and the open
file is looked at again.

  $ rm tiklora.txt; cp before.wav click.wav; { sleep 0.5; rm click.wav; mkfifo click.wav; } &
  >   printf '1\n2\n+\nx\n' | traced -o /dev/null -P click.wav -e inject=/stat:delay_exit=1000000:when=1 tikvane 2>&1 | grep -e Can -e Could; wait
  Can't add to click.wav: it is not a regular file
