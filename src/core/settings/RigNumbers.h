#pragma once

// The radio models are numbered 1 to RigCount; the "Rig" setting stores the
// number, and the catalogue lists the models under the same numbers.
inline constexpr int RigCount = 134;
inline constexpr int DefaultRig = 52; // FT-897
