#pragma once

#include "StoredChoice.h"

#include <QtGlobal>

// How the radio is keyed ("Via"): a CAT command, the RTS/DTR lines of a
// serial port, VOX (the radio keys itself), or Hamlib's rigctld. Other is
// any other stored number; it keys nothing.
enum class PttMethod { Cat, Com, Vox, Rigctld, Other };

using PttMethodSetting = StoredChoice<PttMethod, quint8>;
