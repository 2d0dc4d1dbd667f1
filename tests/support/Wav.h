#pragma once

#include <cstddef>
#include <string>

namespace lumo::test {

// A mono 16-bit PCM WAV file holding a sine tone of the given length.
std::string sineWav(double seconds, int sampleRate = 8000, double frequency = 440.0);

// The same tone as the start of an endless stream: its header claims the longest possible data.
std::string endlessSineWav(double seconds, int sampleRate = 8000);
inline constexpr std::size_t kWavHeaderBytes = 44;

} // namespace lumo::test
