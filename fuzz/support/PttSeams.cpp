// The command handler keys the radio through PttKeyer; fuzz_fields attaches
// none, so these are never reached.

#include "ptt/PttKeyer.h"

#include <cstdio>
#include <cstdlib>

[[noreturn]] static void strayed(const char* what)
{
    std::fprintf(stderr, "fuzz target reached %s, which it does not link\n", what);
    std::abort();
}

void PttKeyer::PttOn() { strayed("PttKeyer::PttOn"); }
void PttKeyer::PttOff() { strayed("PttKeyer::PttOff"); }
