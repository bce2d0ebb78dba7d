// What a fuzz target does when a reader breaks a promise: says which one
// and aborts, which libFuzzer reports as a finding with its input.
#pragma once

#include <cstdio>
#include <cstdlib>

inline void check(bool ok, const char* promise)
{
    if (ok) return;
    std::fprintf(stderr, "check failed: %s\n", promise);
    std::abort();
}
