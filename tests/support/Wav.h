#pragma once

#include <string>

namespace lumo::test {

// A mono 16-bit PCM WAV file holding a sine tone of the given length.
std::string sineWav(double seconds, int sampleRate = 8000, double frequency = 440.0);

} // namespace lumo::test
