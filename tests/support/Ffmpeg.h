#pragma once

#include <QStringList>
#include <filesystem>
#include <map>
#include <string>

namespace lumo::test {

// Runs Debian's ffmpeg quietly with `arguments` (inputs, codecs, output); true when it made
// what it was asked for. Tests make their compressed media with it rather than ship it.
bool runFfmpeg(const QStringList& arguments);

// A 440 Hz tone of 20 s as a 128 kbit/s MP3 without a Xing header (as a live station's stream
// is), made once for the test binary; empty when ffmpeg failed.
const std::string& mp3Tone();

// Noise (which keeps the bit rate of a real station) for `seconds` as Ogg Vorbis at `path`, tagged
// with an artist and a title.
bool makeOggNoise(const std::filesystem::path& path, double seconds, const QString& artist,
                  const QString& title);

// The codec of the first audio stream ffprobe finds in a file ("vorbis"); empty when it cannot
// read the file.
std::string probedCodec(const std::filesystem::path& file);
// The tags ffprobe reads from a file's container: "title", "artist"... by name, lower case.
std::map<std::string, std::string> probedTags(const std::filesystem::path& file);
// Whether ffmpeg decodes the whole file without a word of error.
bool decodesCleanly(const std::filesystem::path& file);

} // namespace lumo::test
