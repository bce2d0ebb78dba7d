#!/usr/bin/env python3
"""Writes the seed corpus of the three fuzz targets into fuzz/corpus/<target>/.

    make_corpus.py [TIKVANE]     (default build/tikvane, which must exist)

The seeds are the interesting cases of the test suite: the default files,
the odd separators, the borrowed fields, the limits. The default settings
file is the one the program itself saves. Run it again after adding a case
or a setting; the fuzzers add their own finds to the same folders.
"""
import os, subprocess, sys, tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
TIKVANE = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else
                          os.path.join(HERE, "..", "build", "tikvane"))

# What `s` saves at the first run with 44100 Hz and 24 bits: every setting
# at its default.
with tempfile.TemporaryDirectory() as folder:
    subprocess.run([TIKVANE], input=b"1\n2\ns\nx\n", cwd=folder, stdout=subprocess.DEVNULL)
    with open(os.path.join(folder, "tiklora.txt"), "rb") as f:
        DEFAULTS = f.read()

SETTINGS = {
    "defaults": DEFAULTS,
    "empty": b"",
    "only-map": b"map\tsongs.txt\n",
    "only-tempo": b"tempo\t90\n",
    "sixteen-bits": b"bits\t16\n",
    "blank-separator": b"rate 48000\ndevice  hw:0\nsave\t\tspaced name.wav\n",
    "crlf": DEFAULTS.replace(b"\n", b"\r\n"),
    "device-alone": b"device\nbits\t16\n",
    "save-named-map": b"save\tmap\nmap\ttmap.txt\n",
    "free-text-rate": b"the rate is 96000 here\nrate\nmeter\t3\n",
    "other-case": b"Rate\t1\nhz\t2\nHZ\t3\n",
    "key-at-end": b"tempo\t100\nsave",
    "value-is-key-at-end": b"device\nmap",
    "repeated": b"meter\t3\nmeter\t5\nmeter\t7\n",
    "negative-and-hex": b"rate\t-1\nmeas\t0x10\nbits\t-24\natime\t-0.0\nHz\tinf\ntempo\tnan\n",
    "long-values": b"device\t" + b"d" * 40 + b"\nsave\t" + b"s" * 100 + b"\nmap\t" + b"m" * 200 + b"\n",
    "huge-file": DEFAULTS * 12,
    "nul-inside": b"tempo\t90\n\0meter\t3\n",
    "floats-precision": b"tempo\t97.333\natime\t2.34\nHz\t1e3\n",
}

HELP_MAP = b"tmap\t120\t4\t48\ntmap\t160\t3\t16\n"
TEMPOMAP = {
    "help-example": HELP_MAP,
    "single": b"tmap\t100\t4\t8\n",
    "crlf": HELP_MAP.replace(b"\n", b"\r\n"),
    "comments-and-blank-lines": b"Song title\n\n\ttmap\t90\t4\t2\n  tmap\t80\t4\t2\nnotes here\n",
    "mid-line": b"intro\ttmap\t100\t4\t8\n",
    "trailing-word": b"tmap\t92.5\t7\t2\tverse\n",
    "letters": b"tmap\tfast\t4\t12x\n",
    "borrowed-fields": b"tmap\t120\t4\ntmap\t160\t3\t16\n",
    "cut-short": b"tmap\t120\t4",
    "keyword-last": b"tmap\t120\t4\t48\ntmap",
    "nul-inside": b"tmap\t120\t4\t48\n\0tmap\t160\t3\t16\n",
    "blanks-only": b"tmap 120 4 48\n",
    "empty": b"",
    "separators-only": b"\t\n\t\t\n",
    "many-entries": b"tmap\t120\t4\t1\n" * 300,
    "odd-values": b"tmap\t-0\t-4\t2147483648\ntmap\t1e40\t0\t0\ntmap\t0x1p4\t+3\t-1\n",
}

# Dialogue seeds: what is typed, then optionally NUL + tmap.txt and
# NUL + tiklora.txt.
def dialogue(typed, tmap=None, settings=None):
    data = typed
    if tmap is not None or settings is not None:
        data += b"\0" + (tmap or b"")
    if settings is not None:
        data += b"\0" + settings
    return data

DIALOGUE = {
    "first-run-exit": dialogue(b"1\n2\nx\n"),
    "first-run-zero": dialogue(b"0\n"),
    "rates-and-depths": dialogue(b"22050\n1\nx\n"),
    "hex-rate": dialogue(b"0x5622\n16\nx\n"),
    "word-instead-of-numbers": dialogue(b"hello\nx\n"),
    "unknown-words": dialogue(b"1 2 T tx al2 rtmx c x\n"),
    "tempo-same-line": dialogue(b"1 2 t 90 x\n"),
    "octal-and-hex": dialogue(b"1 2 b 010 m 0x10 x\n"),
    "not-a-number": dialogue(b"1 2 t fast x\n"),
    "help-screen": dialogue(b"1 2 h x c x\n"),
    "help-at-end": dialogue(b"1 2 h x"),
    "save": dialogue(b"1 2 s x\n"),
    "values": dialogue(b"1 2 al 2.5 o null n out.wav f 440 x\n"),
    "long-names": dialogue(b"1 2 o " + b"d" * 20 + b" n " + b"s" * 70 + b" x\n"),
    "low-frequency": dialogue(b"1 2 f 1 w f 0.5 w x\n"),
    "write-short": dialogue(b"1 2 m 1 w x\n"),
    "write-sixteen": dialogue(b"3 1 m 1 b 3 w x\n"),
    "write-default": dialogue(b"1 2 w x\n"),
    "append-twice": dialogue(b"1 2 m 1 w + + x\n"),
    "append-missing": dialogue(b"1 2 n none.wav + x\n"),
    "append-to-text": dialogue(b"1 2 s n tiklora.txt m 1 + x\n"),
    "zero-measures": dialogue(b"1 2 m 0 w + x\n"),
    "fast-tempo-low-frequency": dialogue(b"1 2 t 2000 f 20 m 1 w a x\n"),
    "negative-tempo": dialogue(b"1 2 t -120 b -4 m 2 w a x\n"),
    "zero-tempo": dialogue(b"1 2 t 0 w a x\n"),
    "audition": dialogue(b"1 2 al 0.5 a x\n"),
    "audition-zero": dialogue(b"1 2 al 0 a x\n"),
    "audition-bad-device": dialogue(b"1 2 o nosuch a x\n"),
    "rtm-help-example": dialogue(b"1 2 rtm w x\n", HELP_MAP.replace(b"48", b"1").replace(b"16", b"1")),
    "rtm-no-entries": dialogue(b"1 2 rtm x\n", b"nothing here\n"),
    "rtm-missing-map": dialogue(b"1 2 rtm x\n"),
    "rtm-zero-sections": dialogue(b"1 2 rtm x\n", b"tmap\t0\t4\t1\ntmap\t120\t0\t1\ntmap\t-60\t-1\t-1\n"),
    "ptm": dialogue(b"1 2 ptm x\n", b"tmap\t120\t4\t1\ntmap\t160\t3\t1\n"),
    "ptm-zero": dialogue(b"1 2 ptm x\n", b"tmap\t0\t4\t1\ntmap\t120\t0\t2\n"),
    "loaded-settings": dialogue(b"w x\n", b"", b"meas\t1\nbits\t16\nrate\t48000\n"),
    "loaded-map-name": dialogue(b"rtm s x\n", b"", b"map\ttiklora.txt\ntmap\t120\t4\t1\n"),
    "loaded-odd-bits": dialogue(b"m 1 w x\n", b"", b"bits\t8\nrate\t0\n"),
    "loaded-absurd-rate": dialogue(b"m 1 w x\n", b"", b"rate\t4000000000\n"),
    "save-reload-name": dialogue(b"1 2 n tmap.txt m 1 w rtm x\n", b"tmap\t120\t4\t1\n"),
}

def write(target, cases):
    folder = os.path.join(HERE, "corpus", target)
    os.makedirs(folder, exist_ok=True)
    for name, data in cases.items():
        with open(os.path.join(folder, name), "wb") as f:
            f.write(data)

write("settings", SETTINGS)
write("tempomap", TEMPOMAP)
write("dialogue", DIALOGUE)
