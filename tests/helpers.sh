# Shell functions for every case; the runner sources this file first.

# A WAV file's length, its RIFF chunk size and its data size (tag at 36).
sizes() { echo $(wc -c < $1) $(od -An -tu4 -j4 -N4 $1) $(od -An -tu4 -j40 -N4 $1); }

# `wav C R B D`: a 44-byte header of C channels at R Hz, B bits, 3 bytes a
# sample, stating D data bytes.
wav() { perl -e '($c, $r, $b, $d) = @ARGV; print pack "A4VA4A4VvvVVvvA4V", "RIFF", 36 + $d,
        "WAVE", "fmt ", 16, 1, $c, $r, 3 * $r, 3, $b, "data", $d' "$@"; }

# `stop_wait SIGNALS COMMANDS`: runs the program on the answers 1 and 2, the
# COMMANDS and s, sends it the SIGNALS from half a second later, a tenth of
# a second apart, and prints its exit status, whether it ended within half
# a second of the last, and what it printed that is neither the menu nor a
# prompt. The program starts with every signal at its default, whatever the
# runner ignores (a background job's SIGINT, nohup's SIGHUP).
stop_wait() { printf "1\n2\n$2\ns\n" | env --default-signal tikvane > out 2>&1 & sleep 0.4; local t
         for signal in $1; do sleep 0.1; t=$EPOCHREALTIME; kill -$signal $!; done; wait $! 2> /dev/null; echo "$1: [$?] $(awk "BEGIN { print $EPOCHREALTIME - $t < 0.5 ? \"at once\" : \"late\" }"):" \
           $(sed -e '1,/^ready/d' -e '/^\t\|^$\|^Enter\|settings:$/d' out | paste -sd '|'); }

# `traced ARGS`: strace ARGS, for a case that makes a system call fail or
# wait. LeakSanitizer cannot work under a tracer, so a sanitized build's
# leak check is left out of that run.
traced() { LSAN_OPTIONS=detect_leaks=0 strace "$@"; }
