#!/usr/bin/env python3
"""Soak of the command dialogue: random but valid command sequences against
the real program, bounded by a count of runs and a time limit.

Every run works in a fresh folder with a HOME whose .asoundrc defines `cap`,
alsa-lib's file plugin over the null PCM, so auditions and tempo map
playback are real but silent. After each run: the program ended with status
2 (the `x` command) and not by a signal, printed no error message, every WAV
file it wrote is read by soxi and its header sizes match the file's length,
and a saved tiklora.txt loads and saves again to the same bytes.

    soak.py BINARY [RUNS] [SECONDS]
"""
import os
import random
import shutil
import struct
import subprocess
import sys
import tempfile
import time

ERROR_TEXTS = ("does not exist", "Can't", "Could not", "unable to", "Playback stopped",
               "ERROR", "runtime error", "Sanitizer")
RATES = {"1": 44100, "2": 48000, "3": 88200, "4": 96000, "22050": 22050, "8000": 8000}


def asoundrc(home):
    return ('pcm.cap {\n  type file\n  slave.pcm "null"\n'
            '  file "%s/capture.raw"\n  format "raw"\n}\n' % home)


def tempo_map(rng):
    lines = ["tmap\t%d\t%d\t%d" % (rng.randint(60, 240), rng.randint(1, 7), rng.randint(1, 3))
             for _ in range(rng.randint(1, 4))]
    return "\n".join(lines) + "\n"


def commands(rng):
    """A random dialogue after start-up; returns the text and the names of
    the files `w` or `rtm` wrote, so that `+` only adds to one of them."""
    out = ["o", "cap"]
    name = "click.wav"
    written = set()
    for _ in range(rng.randint(1, 12)):
        word = rng.choice(["t", "f", "b", "m", "al", "n", "o", "a", "w", "+", "rtm",
                           "ptm", "h", "s", "bogus"])
        if word == "t":
            out += [word, str(rng.choice([rng.randint(60, 300), round(rng.uniform(60, 300), 2)]))]
        elif word == "f":
            out += [word, str(round(rng.uniform(20, 2000), 1))]
        elif word == "b":
            out += [word, str(rng.randint(1, 7))]
        elif word == "m":
            out += [word, str(rng.randint(1, 4))]
        elif word == "al":
            out += [word, str(round(rng.uniform(0.3, 0.6), 2))]
        elif word == "n":
            name = "track%d.wav" % rng.randint(0, 3)
            out += [word, name]
        elif word == "o":
            out += [word, "cap"]
        elif word == "h":
            out += [word, "c"]
        elif word == "+":
            if name in written:
                out.append(word)
        else:
            out.append(word)
            if word in ("w", "rtm"):
                written.add(name)
    out.append("x")
    return "\n".join(out) + "\n", written


def run(binary, work, home, text, timeout=30):
    env = dict(os.environ, HOME=home)
    return subprocess.run([binary], input=text.encode(), cwd=work, env=env,
                          capture_output=True, timeout=timeout)


def check_wav(path, rate, bits):
    data = open(path, "rb").read()
    problems = []
    if len(data) < 44 or data[:4] != b"RIFF":
        return ["%s is not a WAV file" % path]
    riff, = struct.unpack_from("<I", data, 4)
    file_rate, = struct.unpack_from("<I", data, 24)
    file_bits, = struct.unpack_from("<H", data, 34)
    size, = struct.unpack_from("<I", data, 40)
    if riff != len(data) - 8:
        problems.append("%s: RIFF size %d, file length %d" % (path, riff, len(data)))
    if size != len(data) - 44:
        problems.append("%s: data size %d, file length %d" % (path, size, len(data)))
    if (file_rate, file_bits) != (rate, bits):
        problems.append("%s: %d Hz %d bits, expected %d Hz %d bits" % (path, file_rate, file_bits, rate, bits))
    soxi = subprocess.run(["soxi", path], capture_output=True)
    if soxi.returncode != 0:
        problems.append("%s: soxi refuses it: %s" % (path, soxi.stderr.decode(errors="replace")))
    return problems


def one_run(binary, rng, index):
    base = tempfile.mkdtemp(prefix="tikvane-soak-")
    try:
        work, home = os.path.join(base, "work"), os.path.join(base, "home")
        os.mkdir(work)
        os.mkdir(home)
        with open(os.path.join(home, ".asoundrc"), "w") as f:
            f.write(asoundrc(home))
        with open(os.path.join(work, "tmap.txt"), "w") as f:
            f.write(tempo_map(rng))
        choice = rng.choice(list(RATES))
        bits = rng.choice([16, 24])
        dialogue, written = commands(rng)
        text = "%s\n%d\n%s" % (choice, 1 if bits == 16 else 2, dialogue)
        result = run(binary, work, home, text)
        out = result.stdout.decode(errors="replace") + result.stderr.decode(errors="replace")
        problems = []
        if result.returncode != 2:
            problems.append("exit status %d" % result.returncode)
        problems += ["printed %r" % e for e in ERROR_TEXTS if e in out]
        for name in sorted(os.listdir(work)):
            if name.endswith(".wav"):
                problems += check_wav(os.path.join(work, name), RATES[choice], bits)
        missing = [n for n in written if not os.path.exists(os.path.join(work, n))]
        problems += ["%s was not written" % n for n in missing]
        words = dialogue.split("\n")
        capture = os.path.join(home, "capture.raw")
        played = os.path.exists(capture) and os.path.getsize(capture) > 0
        # Playback sends whole periods only (1024 frames); every audition
        # and tempo map here lasts longer than that.
        if ("a" in words or "ptm" in words) and not played:
            problems.append("played, but the device received nothing")
        settings = os.path.join(work, "tiklora.txt")
        if os.path.exists(settings):
            first = open(settings, "rb").read()
            again = run(binary, work, home, "s\nx\n")
            if again.returncode != 2:
                problems.append("reloading the settings: exit status %d" % again.returncode)
            if open(settings, "rb").read() != first:
                problems.append("tiklora.txt changed on reload and save: %r -> %r"
                                % (first, open(settings, "rb").read()))
        if problems:
            print("run %d FAILED:\n  input: %r\n  %s" % (index, text, "\n  ".join(problems)))
            print(out[-2000:])
        return not problems
    finally:
        shutil.rmtree(base, ignore_errors=True)


def main():
    binary = os.path.abspath(sys.argv[1])
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 1000
    seconds = float(sys.argv[3]) if len(sys.argv) > 3 else 90
    seed = int(os.environ.get("SOAK_SEED", time.time()))
    rng = random.Random(seed)
    print("soak: seed %d, up to %d runs or %.0f s" % (seed, runs, seconds))
    start = time.monotonic()
    done = failed = 0
    while done < runs and time.monotonic() - start < seconds:
        try:
            ok = one_run(binary, rng, done)
        except subprocess.TimeoutExpired:
            print("run %d FAILED: no end within 30 s" % done)
            ok = False
        done += 1
        failed += not ok
    print("soak: %d runs, %d failed, %.1f s" % (done, failed, time.monotonic() - start))
    return 1 if failed or done == 0 else 0


if __name__ == "__main__":
    sys.exit(main())
