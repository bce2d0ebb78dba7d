// How a fatal exit reaches the fuzz harness: die() throws a FuzzExit
// instead of ending the process, and the harness catches it at the end of
// the run.
#pragma once

struct FuzzExit {
    int status;  // the exit status the program would have had
};
