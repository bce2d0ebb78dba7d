The click: 8 harmonics of the lowest frequency, 3 periods each, amplitude
halving per harmonic and per period. Each rebuild prints an empty line.

  $ tikprobe click 44100 60
  
  2205 samples: 0 105448 210811 316004 420940 525536 ...
  largest 4195988 at 74, smallest -3408947 at 608

Harmonics whose octave passes half the rate are dropped; periods are
dropped until the click is shorter than a second, and with none left the
click is empty and the program says so. A fractional frequency's click is
the whole-number click cut at its own length.

  $ tikprobe shape 44100 60 200 500 5000 172.2734 172.28 30000 1.5 2 1 60.5
  60 Hz: 8 harmonics, 3 periods of 735, length 2205
  200 Hz: 7 harmonics, 3 periods of 220, length 660
  500 Hz: 6 harmonics, 3 periods of 88, length 264
  5000 Hz: 3 harmonics, 3 periods of 8, length 24
  172.2734 Hz: 8 harmonics, 3 periods of 255, length 765
  172.28 Hz: 7 harmonics, 3 periods of 255, length 765
  30000 Hz: 0 harmonics, 3 periods of 1, length 3
  1.5 Hz: 8 harmonics, 1 periods of 29400, length 29400
  2 Hz: 8 harmonics, 1 periods of 22050, length 22050
  The frequency chosen is too low for this tempo!
  1 Hz: 8 harmonics, 0 periods of 44100, length 0
  60.5 Hz: 8 harmonics, 3 periods of 728, length 2184
  $ tikprobe shape 48000 60; tikprobe shape 88200 60; tikprobe shape 96000 60
  60 Hz: 8 harmonics, 3 periods of 800, length 2400
  60 Hz: 8 harmonics, 3 periods of 1470, length 4410
  60 Hz: 8 harmonics, 3 periods of 1600, length 4800
  $ tikprobe click 44100 30000; tikprobe click 44100 60.5
  
  3 samples: 0 0 0 ...
  largest 0 at 0, smallest 0 at 0
  
  2184 samples: 0 105448 210811 316004 420940 525536 ...
  largest 4195988 at 74, smallest -3408947 at 608
  $ tikprobe click 44100 1.5; tikprobe click 44100 2
  
  29400 samples: 0 1757 3514 5271 7028 8785 ...
  largest 4196064 at 4418, smallest -2724056 at 29399
  
  22050 samples: 0 3514 7028 10544 14059 17573 ...
  largest 4196064 at 2209, smallest -3145728 at 16537

A rate of 0, or a frequency that is not a positive number, or so small
that a period reaches 2^61 samples (0x1.5888p-46 Hz is 44100 / 2^61), gives
an empty click without a word.

  $ tikprobe shape 0 60; tikprobe shape 44100 0 -60 nan inf -inf 1e-30 3e38 0x1.5888p-46
  60 Hz: 8 harmonics, 0 periods of 0, length 0
  0 Hz: 8 harmonics, 0 periods of 0, length 0
  -60 Hz: 8 harmonics, 0 periods of 0, length 0
  nan Hz: 8 harmonics, 0 periods of 0, length 0
  inf Hz: 8 harmonics, 0 periods of 0, length 0
  -inf Hz: 8 harmonics, 0 periods of 0, length 0
  1e-30 Hz: 8 harmonics, 0 periods of 0, length 0
  3e38 Hz: -113 harmonics, 3 periods of 0, length 0
  0x1.5888p-46 Hz: 8 harmonics, 0 periods of 0, length 0

Packing: 24-bit samples are the accumulator's low three bytes, 16-bit
samples its middle and high byte; a negative accumulator is left holding
its ones' complement.

  $ tikprobe pack 0 1 255 256 32767 65535 65536 6266880 8388607
  0: 00 00 00 | 00 00 | 0
  1: 01 00 00 | 00 00 | 1
  255: ff 00 00 | 00 00 | 255
  256: 00 01 00 | 01 00 | 256
  32767: ff 7f 00 | 7f 00 | 32767
  65535: ff ff 00 | ff 00 | 65535
  65536: 00 00 01 | 00 01 | 65536
  6266880: 00 a0 5f | a0 5f | 6266880
  8388607: ff ff 7f | ff 7f | 8388607
  $ tikprobe pack -1 -2 -256 -257 -32768 -65536 -6266880 -8388608
  -1: ff ff ff | ff ff | 0
  -2: fe ff ff | ff ff | 1
  -256: 00 ff ff | ff ff | 255
  -257: ff fe ff | fe ff | 256
  -32768: 00 80 ff | 80 ff | 32767
  -65536: 00 00 ff | 00 ff | 65535
  -6266880: 00 60 a0 | 60 a0 | 6266879
  -8388608: 00 00 80 | 00 80 | 8388607
