The program asks the device for mono, and honours what it grants. A
stereo-only device (alsa-lib's multi plugin binding two channels, over a
file capture) gets the click on both channels, sample for sample what the
mono device `cap` gets, at both depths, for a and for ptm (shown: the
measure lines of each device, the bytes each captured, and whether each
channel of the stereo capture is the mono one).

  $ echo 'pcm.cap { type file; slave.pcm "null"; file "|cat >> mono.raw"; format "raw" } pcm.capst { type file; slave.pcm "null"; file "|cat >> stereo.raw"; format "raw" }
  > pcm.stereo { type multi; slaves.a { pcm "capst"; channels 2 } bindings.0 { slave a; channel 0 } bindings.1 { slave a; channel 1 } }
  > pcm.ac3 { type a52; slavepcm "null"; rate 48000; channels 2 } pcm.mulaw { type mulaw; slave { pcm "null"; format S16_LE } }' > .asoundrc
  $ printf 'tmap\t150\t3\t2\ntmap\t100\t2\t2\n' > tmap.txt; for depth in 1 2; do bits=$((8 + 8 * depth))
  >   echo $bits bits: $(for device in cap stereo; do printf "1\n$depth\no $device\nal 1.3\nt 200\nb 3\na\nptm\nx\n" | tikvane | grep -c Measure; done) \
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
and SIGTERM ends the program, each at once (within half a second). When a
reader holds the FIFO but does not read, the plugin repeats each write a
signal breaks off; a second Ctrl-C then ends the program (130) at once.

  $ mkfifo fifo; printf 'pcm.ff { type file; slave.pcm "null"; file "%s/fifo"; format "raw" }\n' $PWD >> .asoundrc
  $ stop_wait INT 'o ff\na'; stop_wait TERM 'o ff\nptm'; sleep 2 < fifo & stop_wait 'INT INT' 'o ff\na'
  INT: [2] at once: Playback stopped.|Saved Settings
  TERM: [143] at once: Parsing tmap file..|Found 2 map entries.|Playing section 1
  INT INT: [130] at once:
