#include "common/stop.h"

#include <sys/time.h>
#include <unistd.h>

#include <cstdio>

volatile std::sig_atomic_t stopSignal;

namespace {

// How long a playback may take to stop after a SIGTERM or SIGHUP before
// the process is ended without it, in microseconds.
constexpr suseconds_t playbackGraceUs = 500000;

bool ends_process(int signal) { return signal == SIGTERM || signal == SIGHUP; }

// Ends the process by `signal`, as if the signal had never been caught.
// Makes only calls that are safe in a handler.
void end_by(int signal)
{
    std::signal(signal, SIG_DFL);
    kill(getpid(), signal);
}

// A Ctrl-C after a SIGTERM or SIGHUP must not turn the end of the process
// into a return to the menu.
void on_stop(int signal)
{
    if (!ends_process(stopSignal)) stopSignal = signal;
}

// During a playback: a second Ctrl-C ends the process at once, and the
// first SIGTERM or SIGHUP sets the watchdog that ends it if the playback
// has not stopped in time. setitimer is a plain system call on Linux.
void on_playback_stop(int signal)
{
    if (signal == SIGINT && stopSignal == SIGINT) end_by(SIGINT);
    const bool ending = ends_process(stopSignal);
    on_stop(signal);
    if (!ending && ends_process(signal)) {
        const itimerval grace = {{0, 0}, {0, playbackGraceUs}};
        setitimer(ITIMER_REAL, &grace, nullptr);
    }
}

// The watchdog's SIGALRM: the playback is still waiting, somewhere the
// program cannot look at stopSignal.
void on_watchdog(int) { end_by(stopSignal); }

// Keeps the disposition of `signal` in `previous` and, unless the signal
// is ignored, sets `handler` in its place.
void catch_one(int signal, void (*handler)(int), struct sigaction* previous)
{
    struct sigaction action = {};
    action.sa_handler = handler;  // no SA_RESTART: a waiting call ends with EINTR
    sigaction(signal, nullptr, previous);
    if (previous->sa_handler != SIG_IGN) sigaction(signal, &action, nullptr);
}

// Clears stopSignal and sets the handlers, those of a playback when
// `playback` is true.
void catch_all(StopHandlers* saved, bool playback)
{
    stopSignal = 0;
    void (*handler)(int) = playback ? on_playback_stop : on_stop;
    struct sigaction watchdog = {};
    watchdog.sa_handler = on_watchdog;
    sigaction(SIGALRM, playback ? &watchdog : nullptr, &saved->alarm);
    catch_one(SIGINT, handler, &saved->interrupt);
    catch_one(SIGTERM, handler, &saved->terminate);
    catch_one(SIGHUP, handler, &saved->hangUp);
}

}  // namespace

void catch_stops(StopHandlers* saved) { catch_all(saved, false); }

void catch_playback_stops(StopHandlers* saved) { catch_all(saved, true); }

bool release_stops(const StopHandlers* saved)
{
    sigaction(SIGINT, &saved->interrupt, nullptr);
    sigaction(SIGTERM, &saved->terminate, nullptr);
    sigaction(SIGHUP, &saved->hangUp, nullptr);
    if (ends_process(stopSignal)) {
        std::fflush(stdout);  // a playback's watchdog, still set, bounds this wait too
        std::raise(stopSignal);
    }
    // The watchdog is set only by a SIGTERM or SIGHUP, which has ended the
    // process by now: it never outlives the playback.
    sigaction(SIGALRM, &saved->alarm, nullptr);
    return stopSignal == SIGINT;
}
