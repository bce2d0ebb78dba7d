// Tikvane: a console metronome and click-track writer.
//
// main() owns the whole state of the run; it starts up and hands over to
// the command loop, which ends the process itself.
#include "console/session.h"

int main()
{
    Session session;
    start_up(&session);
    run_command_loop(&session);
}
