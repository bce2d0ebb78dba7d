#include "common/stop.h"

#include <cstdio>

volatile std::sig_atomic_t stopSignal;

static const int stopSignals[] = {SIGINT, SIGTERM, SIGHUP};

static void on_stop(int signal)
{
    stopSignal = signal;
}

void catch_stops(StopHandlers* saved)
{
    stopSignal = 0;
    struct sigaction action = {};
    action.sa_handler = on_stop;
    action.sa_flags = SA_RESTART;
    for (int i = 0; i < 3; i++) {
        sigaction(stopSignals[i], nullptr, &saved->previous[i]);
        if (saved->previous[i].sa_handler != SIG_IGN) sigaction(stopSignals[i], &action, nullptr);
    }
}

bool release_stops(const StopHandlers* saved)
{
    for (int i = 0; i < 3; i++) sigaction(stopSignals[i], &saved->previous[i], nullptr);
    if (stopSignal == SIGTERM || stopSignal == SIGHUP) {
        std::fflush(stdout);
        std::raise(stopSignal);
    }
    return stopSignal == SIGINT;
}
