// Stopping work on a signal, at a point where nothing is left half done.
//
// A write or a save calls catch_stops(), a playback catch_playback_stops(),
// before it starts, and each calls release_stops() when it is over. In
// between, SIGINT (Ctrl-C), SIGTERM (a kill) and SIGHUP (a closed terminal)
// only set stopSignal, which the work looks at between periods or between
// writes and then stops. Before and after, every signal keeps its usual
// meaning; a signal that was ignored when the work began (a background
// job's Ctrl-C, nohup's hang-up) stays ignored.
//
// A playback has nothing to keep, and a library it calls may wait where
// the program cannot look at stopSignal (a sound server that hangs, a
// plugin that repeats an interrupted write). So during a playback the
// signals also bound the wait: a SIGTERM or SIGHUP ends the process by
// that signal half a second later unless the playback has stopped by
// then, and a second Ctrl-C before it has ends the process at once, by
// SIGINT. A write or a save is never cut short that way: it stops only
// where its file is in order.
#pragma once

#include <csignal>

// 0, or the signal that asked the work under way to stop. The one piece of
// state outside main's record: a signal handler can reach nothing else.
extern volatile std::sig_atomic_t stopSignal;

// The dispositions catch_stops() or catch_playback_stops() replaced.
struct StopHandlers {
    struct sigaction interrupt, terminate, hangUp, alarm;
};

// Clears stopSignal and catches SIGINT, SIGTERM and SIGHUP for a write or
// a save. A system call that waits (opening a device, a FIFO) is not
// restarted after one of them but fails with EINTR, so that no wait
// outlives the signal. A SIGTERM or SIGHUP, once caught, is kept: a later
// Ctrl-C does not replace it.
void catch_stops(StopHandlers* saved);

// catch_stops() for a playback, whose waits the signals also bound (see
// above).
void catch_playback_stops(StopHandlers* saved);

// Puts the dispositions back. When SIGTERM or SIGHUP stopped the work, it
// then ends the process by that signal, as it would have ended had the
// signal not been caught (standard output flushed first): a shell sees 143
// or 129. Returns whether Ctrl-C stopped the work.
bool release_stops(const StopHandlers* saved);
