#pragma once

#include <filesystem>
#include <string>

namespace lumo {

// The tags a finished recording carries, as players show them.
struct RecordingTags {
    std::string title;
    std::string artist;
    std::string album;   // the station's name
    std::string date;    // the day it was recorded, yyyy-mm-dd
    std::string comment; // the station's address

    // Tags for a song the status line showed as `streamTitle` ("Artist - Title" is split at
    // its first " - ", as the status line and the desktop split it).
    static RecordingTags of(const std::string& streamTitle, const std::string& station,
                            const std::string& address, const std::string& date);
};

// The kind of file a recording is, for its tags.
enum class RecordingFormat { Mp3, Adts, OggVorbis, OggOpus, OggFlac, Other };

// Writes `tags` into a finished recording with TagLib: ID3v2.4 for MP3, an ID3v2.4 tag ahead
// of the frames for AAC (as players read it), Vorbis comments in the comment header of Ogg.
// Runs on a worker: it may rewrite the whole file. False when the file was left untagged.
bool writeRecordingTags(const std::filesystem::path& file, RecordingFormat format,
                        const RecordingTags& tags);

} // namespace lumo
