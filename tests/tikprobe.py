#!/usr/bin/env python3
# Reads what the program leaves: click tracks and recordings of its sound.
#
#   tikprobe.py clicks WAV LENGTH [RAW]   where the WAV's first click (LENGTH
#       samples) recurs in its data, or in the headerless RAW recording of
#       the same depth (positions then counted from the first click found),
#       the gaps between them, and the bytes elsewhere that are not silent
#   tikprobe.py sound RAW   the stretches of sound in a 24-bit recording, split
#       by a tenth of a second of silence: first and last sample of each
import re, signal, sys
from collections import Counter

signal.signal(signal.SIGPIPE, signal.SIG_DFL)  # a reader that stops early is no error

what, args = sys.argv[1], sys.argv[2:]
if what == 'clicks':
    wav = open(args[0], 'rb').read()
    width = int.from_bytes(wav[34:36], 'little') // 8
    click = wav[44:44 + int(args[1]) * width]
    where = open(args[2], 'rb').read() if len(args) > 2 else wav[44:]
    at, loud, start = [], 0, 0
    while (hit := where.find(click, start)) >= 0:
        loud += hit - start - where.count(0, start, hit)
        at.append(hit // width)
        start = hit + len(click)
    loud += len(where) - start - where.count(0, start)
    first = at[0] if len(args) > 2 and at else 0
    gaps = Counter(b - a for a, b in zip(at, at[1:]))
    print('%d clicks at %s%s' % (len(at), ' '.join(str(a - first) for a in at[:4]),
                                 ' ...' if len(at) > 4 else ''))
    print('apart:' + ''.join(' %d (%d)' % g for g in sorted(gaps.items())))
    print('other bytes not silent: %d' % loud)
elif what == 'sound':
    runs = [m.span() for m in re.finditer(rb'[^\0]+', open(args[0], 'rb').read())]
    stretches = []
    for a, b in runs:
        if stretches and a - stretches[-1][1] < 3 * 4410:
            stretches[-1][1] = b
        else:
            stretches.append([a, b])
    for a, b in stretches:
        print(a // 3, (b - 1) // 3)
