#include "common/stop.h"

#include <cstdio>

volatile std::sig_atomic_t stopSignal;

// A Ctrl-C after a SIGTERM or SIGHUP must not turn the end of the process
// into a return to the menu.
static void on_stop(int signal)
{
    if (stopSignal != SIGTERM && stopSignal != SIGHUP) stopSignal = signal;
}

// Keeps the disposition of `signal` in `previous` and, unless the signal
// is ignored, sets on_stop() in its place.
static void catch_one(int signal, struct sigaction* previous)
{
    struct sigaction action = {};
    action.sa_handler = on_stop;  // no SA_RESTART: a waiting call ends with EINTR
    sigaction(signal, nullptr, previous);
    if (previous->sa_handler != SIG_IGN) sigaction(signal, &action, nullptr);
}

void catch_stops(StopHandlers* saved)
{
    stopSignal = 0;
    catch_one(SIGINT, &saved->interrupt);
    catch_one(SIGTERM, &saved->terminate);
    catch_one(SIGHUP, &saved->hangUp);
}

bool release_stops(const StopHandlers* saved)
{
    sigaction(SIGINT, &saved->interrupt, nullptr);
    sigaction(SIGTERM, &saved->terminate, nullptr);
    sigaction(SIGHUP, &saved->hangUp, nullptr);
    if (stopSignal == SIGTERM || stopSignal == SIGHUP) {
        std::fflush(stdout);
        std::raise(stopSignal);
    }
    return stopSignal == SIGINT;
}
