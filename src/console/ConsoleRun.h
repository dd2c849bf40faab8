#pragma once

#include "StationRun.h"

// The console front end: the station on standard input and output, with no
// display. Returns the program's exit code: 0 for a normal end, 1 when
// another copy runs on the same settings file.
int RunConsole(int argc, char* argv[], const StationRun& run);
