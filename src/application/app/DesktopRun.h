#pragma once

#include "StationRun.h"

// The desktop front end: the window on a station, until it closes. Returns
// the program's exit code.
int RunDesktop(int argc, char* argv[], const StationRun& run);
