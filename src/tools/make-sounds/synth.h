// The program's seven sound effects, synthesised: nothing recorded is shipped.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <vector>

#include "run/end_of_run.h"

namespace pelvoro::sounds {

inline constexpr int kSampleRate = 22050;  // Hz, mono, 16-bit PCM

// The samples of one effect. The engine is a loop: it holds a whole number
// of periods of every component, so its end runs into its start without a click.
std::vector<std::int16_t> synthesize(Sound sound);

// A RIFF/WAVE file of 16-bit mono PCM at kSampleRate.
void writeWav(std::ostream& out, const std::vector<std::int16_t>& samples);

}  // namespace pelvoro::sounds
