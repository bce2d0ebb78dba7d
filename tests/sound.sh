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

# Plays a 60-second audition at 1200 bpm, whose clicks touch, so that the
# sound is unbroken; sends SIGINT a moment into it; then x. Tells whether
# the menu came back and the sound stopped (in the recording RAW) within
# half a second of the signal, and the program's exit status.
interrupt_audition() {
    mkfifo commands lines
    stamp < lines > stamped & started+=($!)
    tikvane < commands > lines 2>&1 & local program=$!
    started+=($program)
    exec 7> commands
    printf '1\n2\no pulse\nt 1200\nal 60\na\n' >&7
    wait_for grep -q 'Measure  2$' stamped && sleep 0.2
    local signalled=$EPOCHREALTIME
    kill -INT "$program"
    wait_for menu_back || kill "$program"
    sleep 0.4
    echo x >&7
    exec 7>&-
    wait "$program"
    echo "exit status $?"
    grep -o 'Playback stopped.' stamped
    stop_recording
    local menu=$(menu_back | cut -d ' ' -f 1)
    tikprobe loud "$1" | awk -v began="$began" -v signalled="$signalled" -v menu="$menu" '{
        late = menu ? menu - signalled : 60; stopped = began + $2 / 44100 - signalled
        print (late < 0.5 ? "the menu came back within 0.5 s" \
               : sprintf("the menu came back after %.3f s", late))
        print (stopped < 0.5 && stopped > -0.15 ? "the sound stopped within 0.5 s" \
               : sprintf("the sound stopped %.3f s after the signal", stopped))
    }'
}
# The stamped last line of the menu that follows "Playback stopped.".
menu_back() { sed -n '/Playback stopped/,$p' stamped | grep -m 1 "Enter 'rtm'"; }
