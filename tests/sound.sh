# Helpers of the sound-server cases, sourced by their shell: a private
# sound server with a null sink or a JACK server with a dummy backend, a
# recorder of what either is given, and the program driven through a FIFO
# with every line it prints stamped with the time it came. The case runner
# ends every process started here.

# Runs the command until it succeeds, for 10 s at most; says what it waited for if not.
wait_for() { for _ in $(seq 1000); do "$@" > /dev/null 2>&1 && return 0; sleep 0.01; done; echo "waited in vain for: $*"; return 1; }

# The server: PulseAudio, or PipeWire with pipewire-pulse and WirePlumber,
# as TIKVANE_SOUND_SERVER says (pulseaudio or pipewire; unset, the one
# installed, PipeWire when both are). It is private: its own runtime and
# configuration folders under $HOME/sound, its socket there, and no D-Bus,
# display or sound card of the user's; WirePlumber watches no device. Its
# sink `tk` plays 44100 Hz, 24-bit, mono, and so does PipeWire's clock, so
# nothing is resampled. norewinds keeps PulseAudio's sink from rewinding
# into what it has rendered, where a new stream's first frames would be
# lost to the recorder. A server that does not start shows its log.
kind=${TIKVANE_SOUND_SERVER:-$(command -v pipewire-pulse wireplumber > /dev/null && echo pipewire || echo pulseaudio)}
start_server() {
    local d=$HOME/sound c=$HOME/sound/config
    mkdir -p -m 700 "$d/run/pulse" "$c"/pipewire/pipewire.conf.d "$c"/wireplumber/{main,bluetooth}.lua.d
    export XDG_RUNTIME_DIR=$d/run XDG_CONFIG_HOME=$c XDG_STATE_HOME=$d XDG_DATA_HOME=$d PULSE_CLIENTCONFIG=$d/client.conf \
           DBUS_SESSION_BUS_ADDRESS=unix:path=$d/no-bus DBUS_SYSTEM_BUS_ADDRESS=unix:path=$d/no-bus PULSE_SERVER=unix:$d/run/pulse/native
    echo 'autospawn = no' > "$PULSE_CLIENTCONFIG"
    local sink="sink_name=tk rate=44100 format=s24le channels=1"
    if [ "$kind" = pipewire ]; then
        echo 'context.properties = { default.clock.rate = 44100 default.clock.allowed-rates = [ 44100 ] }' > "$c/pipewire/pipewire.conf.d/tk.conf"
        printf '%s\n' {alsa,v4l2,libcamera}'_monitor.enabled = false' 'default_access.properties["enable-flatpak-portal"] = false' > "$c/wireplumber/main.lua.d/51-tk.lua"
        echo 'bluez_monitor.enabled = false' > "$c/wireplumber/bluetooth.lua.d/51-tk.lua"
        pipewire > "$d/log" 2>&1 & server=$!
        wait_for test -S "$d/run/pipewire-0" || { cat "$d/log"; return 1; }
        { wireplumber & pipewire-pulse & } >> "$d/log" 2>&1; server="$server $(jobs -p | tail -n 2)"
        wait_for pactl load-module module-null-sink $sink
    else
        pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no --log-target="file:$d/log" \
            -L "module-native-protocol-unix socket=$d/run/pulse/native auth-anonymous=1" \
            -L "module-null-sink $sink norewinds=1" < /dev/null > /dev/null 2>&1 & server=$!
    fi
    wait_for eval "pactl list sinks short | grep -q 'tk.*1ch 44100Hz'" || { cat "$d/log"; return 1; }
}
stop_server() { kill $server 2> /dev/null; wait $server 2> /dev/null; }

# Records the sink's monitor into FILE, from a moment the sink renders afresh
# (suspending it drops what it had rendered ahead), with room enough that
# the recorder never misses a frame; stopping waits for the last ones.
start_recording() {
    parec --device=tk.monitor --format=s24le --channels=1 --rate=44100 --raw --latency-msec=200 > "$1" & recorder=$!
    wait_for eval 'pactl list source-outputs short | grep -q .' && pactl suspend-sink tk 1 && pactl suspend-sink tk 0
    wait_for test -s "$1"
}
stop_recording() { sleep 0.5; kill $recorder; wait $recorder 2> /dev/null || true; }

# A JACK server: jackd2's dummy backend at 44100 Hz, with no sound card,
# realtime scheduling or D-Bus, in a user and mount namespace of its own
# whose /dev/shm, where JACK keeps its sockets, semaphores and metadata, is
# private: a JACK server of the user's is never touched, and nothing is
# left behind however the case ends. `within` runs a command in there.
# ~/.asoundrc gets `jk`, which plays to system:playback_1 through ALSA's
# jack plugin behind a plug that converts only the format (the plugin takes
# floats), and `jkrec`, which captures system:monitor_1, what playback_1
# was given. The silent system:capture_1 stays connected to playback_1, or
# the monitor would repeat its last period once the program is gone.
start_jack() {
    export JACK_DEFAULT_SERVER=tikvane-$$ JACK_NO_START_SERVER=1
    echo 'pcm.jk { type plug; slave { pcm { type jack; playback_ports.0 system:playback_1 } rate unchanged } }
          pcm.jkrec { type plug; slave { pcm { type jack; capture_ports.0 system:monitor_1 } rate unchanged } }' >> "$HOME/.asoundrc"
    unshare -rm sh -c 'mount -t tmpfs jack /dev/shm && exec jackd -r -d dummy -r 44100 -C 1 -P 1 -m' \
        < /dev/null > "$HOME/jack.log" 2>&1 & jack=$!
    within="nsenter --preserve-credentials --wd -U -m -t $jack"
    wait_for $within jack_connect system:capture_1 system:playback_1 || { cat "$HOME/jack.log"; return 1; }
}
stop_jack() { kill $jack 2> /dev/null; wait $jack 2> /dev/null; }

# Records what the JACK server is given into FILE, raw 24-bit mono (alsa-lib
# turns the floats back into the very samples played), from a moment it
# has begun reading; stop_recording ends it (arecord, ended, exits with 1).
start_jack_recording() { $within arecord -q -D jkrec -f S24_3LE -c 1 -r 44100 -t raw "$1" 2> /dev/null & recorder=$!; wait_for test -s "$1"; }

# Starts the program on the FIFO `commands` (written through fd 7), its
# output and errors in `stamped`, each line behind the time it came. `say`
# sends it a line; `seen N TEXT` tells whether TEXT has come N times;
# `after T TEXT` prints how long after the time T the first line with TEXT
# came (after 0: the time it came); `between LO HI S` says whether S
# seconds lie between LO and HI; `end` sends x and prints the program's
# exit status once every line it printed is in `stamped`.
begin() {
    rm -f commands lines stamped; mkfifo commands lines
    while IFS= read -r line; do printf '%s %s\n' "$EPOCHREALTIME" "$line"; done < lines > stamped & stamper=$!
    $within env --default-signal tikvane < commands > lines 2>&1 & program=$!; exec 7> commands
}
say() { printf "$1\n" >&7; }
seen() { [ "$(grep -c -- "$2" stamped)" -ge "$1" ]; }
after() { awk -v t="$1" -v text="$2" '$1 > t && index($0, text) { printf "%.3f\n", $1 - t; exit }' stamped; }
between() { awk -v lo="$1" -v hi="$2" -v s="$3" 'BEGIN { print (s != "" && s > lo && s < hi ? "between " lo " and " hi " s" : "after " s " s") }'; }
end() { say x; exec 7>&-; wait $program; set -- $?; wait $stamper; echo "exit status $1"; }
