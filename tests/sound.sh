# Helpers of the sound-server case, sourced by its shell: a private
# PulseAudio server with a null sink, a recorder of the sink's monitor, a
# clock for the dialogue and the verdicts on timing. Every process started
# here is stopped by its id when the shell ends.

started=()
stop_all() { for p in "${started[@]}"; do kill "$p" 2>/dev/null; wait "$p" 2>/dev/null; done; }
trap stop_all EXIT

# Runs the command until it succeeds, for 10 s at most; says what it waited for if not.
wait_for() {
    for _ in $(seq 1000); do "$@" > /dev/null && return 0; sleep 0.01; done
    echo "waited in vain for: $*"; return 1
}

# The server, in $HOME/pulse with its own socket, and the sink `tk`: 44100
# Hz, 24-bit, mono. norewinds keeps the sink from rewinding into what it has
# rendered already, where a new stream's first frames would be lost to the
# recorder. A server that does not start shows its log.
start_server() {
    local d=$HOME/pulse
    mkdir -p -m 700 "$d/run"
    export XDG_RUNTIME_DIR=$d/run PULSE_RUNTIME_PATH=$d/run PULSE_SERVER=unix:$d/socket \
           PULSE_CLIENTCONFIG=$d/client.conf
    echo 'autospawn = no' > "$PULSE_CLIENTCONFIG"
    pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no --log-target="file:$d/log" \
        -L "module-native-protocol-unix socket=$d/socket auth-anonymous=1" \
        -L "module-null-sink sink_name=tk rate=44100 format=s24le channels=1 norewinds=1" \
        < /dev/null > /dev/null 2>&1 &
    started+=($!)
    wait_for sink_ready || { cat "$d/log"; return 1; }
}
sink_ready() { pactl list sinks short 2>/dev/null | grep -q 'tk.*s24le 1ch 44100Hz'; }
recorder_attached() { pactl list source-outputs short | grep -q .; }

# Records the sink's monitor into FILE, from a moment the sink renders afresh
# (suspending it drops what it had rendered ahead); `began` is the time of
# the recording's first sample, to some 50 ms.
start_recording() {
    parec --device=tk.monitor --format=s24le --channels=1 --rate=44100 --raw \
        --latency-msec=20 > "$1" &
    recorder=$!
    started+=($recorder)
    wait_for recorder_attached && pactl suspend-sink tk 1 && pactl suspend-sink tk 0
    began=$EPOCHREALTIME
    wait_for test -s "$1"
}
stop_recording() { sleep 0.1; kill "$recorder"; wait "$recorder" 2>/dev/null; }

# Copies standard input to standard output, each line behind the time it came.
stamp() { while IFS= read -r line; do printf '%s %s\n' "$EPOCHREALTIME" "$line"; done; }

# From the stamped dialogue of an audition of FRAMES frames at 44100 Hz and
# one beat per measure: whether the measure lines came while it played, and
# whether it lasted, from its first measure line to the menu after it, as
# long as its sound, within 5 %.
timing() {
    awk -v frames="$2" '
        / \tMeasure  1$/ { start = $1 }
        / \tMeasure  2$/ { second = $1 }
        start && / Global settings:$/ && !end { end = $1 }
        END {
            sound = frames / 44100; took = end - start
            print (second - start > 0.3 && end - second > 0.6 \
                   ? "the measure lines came as it played" \
                   : sprintf("measure lines at 0 and %.3f s of %.3f", second - start, took))
            print (took > 0.95 * sound && took < 1.05 * sound \
                   ? "it lasted as long as its sound, within 5 %" \
                   : sprintf("it lasted %.3f s for %.3f s of sound", took, sound))
        }' "$1"
}

# Plays at 1200 bpm, whose clicks touch, so that the sound is unbroken: a
# 60-second audition, then a tempo map of two 20-second sections; sends
# SIGINT a moment into each, then x. Tells, for each, whether the menu came
# back and the sound (in the recording RAW) stopped within half a second of
# the signal, and the program's exit status and what it said on the way.
interrupt_playback() {
    printf 'tmap\t1200\t4\t100\ntmap\t1200\t4\t100\n' > tmap.txt
    mkfifo commands lines
    stamp < lines > stamped & started+=($!)
    tikvane < commands > lines 2>&1 & local program=$!
    started+=($program)
    exec 7> commands
    printf '1\n2\no pulse\nt 1200\nal 60\n' >&7
    local n=0 signals=()
    for command in a ptm; do
        n=$((n + 1))
        echo "$command" >&7
        wait_for measure_two $n && sleep 0.2
        signals+=("$EPOCHREALTIME")
        kill -INT "$program"
        wait_for menu_back $n || kill "$program"
        sleep 0.6
    done
    echo x >&7
    exec 7>&-
    wait "$program"
    echo "exit status $?"
    stop_recording
    grep -e 'Playing section' -e 'Playback stopped' stamped | cut -d ' ' -f 2-
    paste <(printf '%s\n' "${signals[@]}") <(menu_back 1; menu_back 2) <(tikprobe sound "$1") |
    awk -v began="$began" '{
        late = $2 - $1; stopped = began + $4 / 44100 - $1
        print (late > 0 && late < 0.5 ? "the menu came back within 0.5 s" \
               : sprintf("the menu came back after %.3f s", late))
        print (stopped < 0.5 && stopped > -0.15 ? "the sound stopped within 0.5 s" \
               : sprintf("the sound stopped %.3f s after the signal", stopped))
    }'
}
# Whether the N-th line "Measure  2" has come.
measure_two() { [ "$(grep -c 'Measure  2$' stamped)" -ge "$1" ]; }
# The stamp of the menu's last line after the N-th "Playback stopped.".
menu_back() {
    awk -v n="$1" '/Playback stopped/ { k++ } k == n && /Enter .rtm/ { print $1; found = 1; exit }
                   END { exit !found }' stamped
}
