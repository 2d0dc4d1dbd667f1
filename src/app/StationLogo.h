#pragma once

#include "platform/Task.h"

#include <QObject>
#include <QSize>
#include <cstdint>
#include <filesystem>
#include <string>

class QLabel;

namespace lumo {

class NetEngine;
class PictureDecoder;

// The playing station's logo, shown centred in the picture area while an audio station plays
// (the live feed's frame, when on, lies over it). Its address comes from STATIONINFO, read off
// the window's thread; it is fetched on the network engine (http and https, time limits, at
// most kMostBytes), decoded off the window's thread at the size shown within the decoder's
// limits, and kept in the cache folder by its address, the oldest dropped past kCacheBytes. A
// logo that fails is simply not shown. Another station, or stop, cancels what is under way.
class StationLogo : public QObject {
    Q_OBJECT
public:
    static constexpr std::int64_t kMostBytes = 2 * 1024 * 1024;
    static constexpr std::int64_t kCacheBytes = 32 * 1024 * 1024;

    StationLogo(NetEngine& engine, PictureDecoder& decoder, std::filesystem::path stationInfo,
                std::filesystem::path cache, QLabel& picture, QObject* parent = nullptr);

    // A station began to play; `audio`: it shows no pictures of its own. `named`: the logo
    // the stream itself names (icy-logo), taken when the directory names none.
    void playing(const std::string& stream, bool audio, const std::string& named = {});
    // Nothing plays: the logo goes.
    void clear();
    // The cached logo of the station playing (empty without one), for the desktop's cover.
    const std::filesystem::path& file() const { return m_file; }

    // Where logos are kept for a program whose files are in `appFolder`: the user's cache
    // ($XDG_CACHE_HOME/lumo/logos) for an installed one, beside its files otherwise.
    static std::filesystem::path cacheFolder(const std::filesystem::path& appFolder);

private:
    Task show(std::string stream, std::string named);

    NetEngine& m_engine;
    PictureDecoder& m_decoder;
    std::filesystem::path m_info;
    std::filesystem::path m_cache;
    QLabel& m_picture;
    std::filesystem::path m_file;
    Task m_task;
};

} // namespace lumo
