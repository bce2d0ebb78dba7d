#!/usr/bin/env python3
# Where a click track's first click recurs, in the track or in a recording:
#
#   clicks.py WAV LENGTH [RAW]
#
# takes the WAV's first LENGTH samples as the click and prints where it
# recurs in the WAV's data, or in the headerless RAW recording of the same
# depth (positions then counted from the first click found), the gaps
# between the clicks, and how many bytes elsewhere are not silent.
import signal, sys
from collections import Counter

signal.signal(signal.SIGPIPE, signal.SIG_DFL)  # a reader that stops early is no error
wav = open(sys.argv[1], 'rb').read()
width = int.from_bytes(wav[34:36], 'little') // 8
click = wav[44:44 + int(sys.argv[2]) * width]
where = open(sys.argv[3], 'rb').read() if sys.argv[3:] else wav[44:]
at, loud, start = [], 0, 0
while (hit := where.find(click, start)) >= 0:
    at.append(hit // width)
    loud, start = loud + hit - start - where.count(0, start, hit), hit + len(click)
loud += len(where) - start - where.count(0, start)
first = at[0] if sys.argv[3:] and at else 0
print('%d clicks at %s%s\napart:%s\nother bytes not silent: %d' % (len(at), ' '.join(str(a - first) for a in at[:4]), ' ...' * (len(at) > 4),
      ''.join(' %d (%d)' % g for g in sorted(Counter(b - a for a, b in zip(at, at[1:])).items())), loud))
