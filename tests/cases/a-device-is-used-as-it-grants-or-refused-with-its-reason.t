The program asks the device for mono, and honours what it grants. A
stereo-only device (alsa-lib's multi plugin binding two channels, over a
file capture) gets the click on both channels, sample for sample what the
mono device `cap` gets, at both depths, for a and for ptm (shown: the
measure lines of each device, the bytes each captured, and whether each
channel of the stereo capture is the mono one). The default device here
is alsa-lib's file plugin over null, writing /dev/null.

  $ echo 'pcm.cap { type file; slave.pcm "null"; file "|cat >> mono.raw"; format "raw" } pcm.capst { type file; slave.pcm "null"; file "|cat >> stereo.raw"; format "raw" }
  > pcm.stereo { type multi; slaves.a { pcm "capst"; channels 2 } bindings.0 { slave a; channel 0 } bindings.1 { slave a; channel 1 } }
  > pcm.ac3 { type a52; slavepcm "null"; rate 48000; channels 2 } pcm.mulaw { type mulaw; slave { pcm "null"; format S16_LE } } pcm.!default { type file; slave.pcm "null"; file "/dev/null"; format "raw" }' > .asoundrc
  $ printf 'tmap\t150\t3\t2\ntmap\t100\t2\t2\n' > tmap.txt; for depth in 1 2; do bits=$((8 + 8 * depth))
  >   echo $bits bits: $(for device in cap stereo; do printf "1\n$depth\no $device\nal 1.3\nt 200\nb 3\na\nptm\nx\n" | tikvane 2>&1 | grep -c Measure; done) \
  >   $(wc -c < mono.raw) $(wc -c < stereo.raw) $(for channel in 1 2; do sox -t raw -r 44100 -e signed -b $bits -c 2 stereo.raw -t raw - remix $channel | cmp - mono.raw && echo same; done); rm mono.raw stereo.raw; done | paste -sd '|'
  16 bits: 6 6 534528 1069056 same same|24 bits: 6 6 801792 1603584 same same

A device that cannot be opened, or that refuses the access, the sample
format or the parameters, is reported on standard error with its name and
the library's reason; the menu comes back with every setting as it was
(the t 90 after it is saved by s). On a pipe that carries both streams,
everything printed before comes first.

  $ printf '1\n2\no nosuchpcm\na\nt 90\nptm\ns\nx\n' | tikvane 2>&1 | grep -e unable -e section -e Saved | paste -sd '|'
  >   grep tempo tiklora.txt; for device in ac3 mulaw; do printf "o $device\na\nx\n" | tikvane 2>&1 | grep unable; done | paste -sd '|'
  unable to open pcm device: nosuchpcm: No such file or directory|Playing section  1 |unable to open pcm device: nosuchpcm: No such file or directory|Saved Settings
  tempo	90.00
  unable to set access type: ac3: Invalid argument|unable to set playback format: mulaw: Invalid argument

A device whose opening waits (alsa-lib's file plugin writing into a FIFO
that nobody reads) does not hold the program: Ctrl-C brings the menu back
and SIGTERM ends the program, each at once (within half a second); a
Ctrl-C taken after the SIGTERM does not undo it (both reach the program
while it is stopped, and it takes the SIGTERM first). When a reader holds
the FIFO but does not read, the plugin repeats each write a signal breaks
off; a second Ctrl-C then ends the program (130) at once.

  $ mkfifo fifo; printf 'pcm.ff { type file; slave.pcm "null"; file "%s/fifo"; format "raw" }\n' $PWD >> .asoundrc
  $ stop_wait INT 'o ff\na'; stop_wait 'STOP TERM INT CONT' 'o ff\nptm'; sleep 2 < fifo & stop_wait 'INT INT' 'o ff\na'
  INT: [2] at once: Playback stopped.|Saved Settings
  STOP TERM INT CONT: [143] at once: Parsing tmap file..|Found 2 map entries.|Playing section 1 |Section 1: 150 bpm, 3 beats a measure, 2 measures: 105840 samples, 0:02.400.
  INT INT: [130] at once:

A device name is a name, never a plugin definition: tiklora.txt travels
with a song's folder, and alsa-lib reads a name as a piece of its
configuration. A name that would pipe into a command or write a file
(alsa-lib's file and tee plugins) is refused with its reason and default
is used: nothing runs, and victim is as it was. o refuses such a name,
or one that defines a plugin inline or names a path, and keeps the
device it had (shown: each message once, and the device s saved).

  $ printf 'touch PWNED; cat > /dev/null\n' > x; echo victim > victim; for name in "file:'|sh x'" file:victim tee:null,victim; do
  >   printf "device\t$name\natime\t0.3\n" > tiklora.txt; printf 'a\nx\n' | tikvane | grep -o -e 'here: [^)]*' -e Using.* -e 'device: .*' -e Measure.* | paste -sd '|'; done; echo $(ls PWNED 2>&1) $(cat victim)
  here: the file plugin writes a file or pipes into a command|Using 'default'.|device: default|Measure  1
  here: the file plugin writes a file or pipes into a command|Using 'default'.|device: default|Measure  1
  here: the tee plugin writes a file|Using 'default'.|device: default|Measure  1
  ls: cannot access 'PWNED': No such file or directory victim
  $ rm tiklora.txt; printf 'o plughw:1\no pcm.file:victim\no hw:0,x=oss\no {type\no ~/a\ns\nx\n' | tikvane | grep -e refused -e Keeping | sort | uniq -c; grep device tiklora.txt
        4 Define such a device in ~/.asoundrc and choose it by its name there. Keeping 'plughw:1'.
        1 Device 'hw:0,x=oss' refused: a device name may not define a plugin or name a file (here: the oss plugin opens the device path it is given).
        1 Device 'pcm.file:victim' refused: a device name may not define a plugin or name a file (here: the file plugin writes a file or pipes into a command).
        1 Device '{type' refused: a device name may not define a plugin or name a file (here: braces define a plugin inline).
        1 Device '~/a' refused: a device name may not define a plugin or name a file (here: '~' names a path).
  device	plughw:1

Every name the README and the manual page teach is taken, from
tiklora.txt and from o, and so is any other plain name (shown for each:
the refusals printed, and whether s saved the name).

  $ for name in default pulse pipewire null hw:1 hw:1,0 plughw:1 plughw:1,1 hw:CARD=PCH front:CARD=PCH sysdefault:PCH jackplug az_AZ-09.x=y:z myprofile; do
  >   printf "device\t$name\n" > tiklora.txt; echo -n "$(printf "o $name\ns\nx\n" | tikvane | grep -c refused)$(grep -c "^device.$name$" tiklora.txt) "; done; echo
  01 01 01 01 01 01 01 01 01 01 01 01 01 01 
