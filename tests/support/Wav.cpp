#include "Wav.h"

#include <cmath>
#include <cstdint>

namespace lumo::test {

namespace {

void putLittleEndian(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out += static_cast<char>((value >> (8 * i)) & 0xff);
    }
}

} // namespace

std::string sineWav(double seconds, int sampleRate, double frequency) {
    const auto samples = static_cast<std::uint32_t>(seconds * sampleRate);
    const std::uint32_t dataBytes = samples * 2;
    std::string wav = "RIFF";
    putLittleEndian(wav, 36 + dataBytes, 4);
    wav += "WAVEfmt ";
    putLittleEndian(wav, 16, 4);
    putLittleEndian(wav, 1, 2); // PCM
    putLittleEndian(wav, 1, 2); // mono
    putLittleEndian(wav, static_cast<std::uint32_t>(sampleRate), 4);
    putLittleEndian(wav, static_cast<std::uint32_t>(sampleRate) * 2, 4);
    putLittleEndian(wav, 2, 2);
    putLittleEndian(wav, 16, 2);
    wav += "data";
    putLittleEndian(wav, dataBytes, 4);
    for (std::uint32_t i = 0; i < samples; ++i) {
        const double value = std::sin(2 * M_PI * frequency * i / sampleRate) * 12000;
        putLittleEndian(wav, static_cast<std::uint32_t>(static_cast<std::int16_t>(value)), 2);
    }
    return wav;
}

std::string endlessSineWav(double seconds, int sampleRate) {
    std::string wav = sineWav(seconds, sampleRate);
    for (std::size_t at : {std::size_t{4}, std::size_t{40}}) {
        wav.replace(at, 4, "\xff\xff\xff\x7f");
    }
    return wav;
}

} // namespace lumo::test
