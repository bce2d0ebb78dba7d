// Stopping work on a signal, at a point where nothing is left half done.
//
// A playback or a write calls catch_stops() before it starts and
// release_stops() when it is over. In between, SIGINT (Ctrl-C), SIGTERM (a
// kill) and SIGHUP (a closed terminal) only set stopSignal, which the work
// looks at between periods or between writes and then stops. Before and
// after, every signal keeps its usual meaning; a signal that was ignored
// when the work began (a background job's Ctrl-C, nohup's hang-up) stays
// ignored.
#pragma once

#include <csignal>

// 0, or the signal that asked the work under way to stop. The one piece of
// state outside main's record: a signal handler can reach nothing else.
extern volatile std::sig_atomic_t stopSignal;

// The dispositions catch_stops() replaced.
struct StopHandlers {
    struct sigaction interrupt, terminate, hangUp;
};

// Clears stopSignal and catches SIGINT, SIGTERM and SIGHUP. A system call
// that waits (opening a device, a FIFO) is not restarted after one of them
// but fails with EINTR, so that no wait outlives the signal. A SIGTERM or
// SIGHUP, once caught, is kept: a later Ctrl-C does not replace it.
void catch_stops(StopHandlers* saved);

// Puts the dispositions back. When SIGTERM or SIGHUP stopped the work, it
// then ends the process by that signal, as it would have ended had the
// signal not been caught (standard output flushed first): a shell sees 143
// or 129. Returns whether Ctrl-C stopped the work.
bool release_stops(const StopHandlers* saved);
