#pragma once

#include "net/HttpRead.h"
#include "platform/Task.h"

#include <QObject>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace lumo {

class NetEngine;

// Where the community radio directory (radio-browser.info) is asked, and how much.
struct DirectorySettings {
    // Base addresses of the directory's servers; empty: found through `discovery`.
    std::vector<std::string> servers;
    std::string discovery = "https://all.api.radio-browser.info/json/servers";
    int limit = 0; // stations asked for, best voted first; 0: every working station
    // The largest answer taken: the whole directory is some 40 to 60 MB of JSON.
    std::size_t maxBytes = 160 * 1024 * 1024;
    long connectMilliseconds = 10000;
    long totalMilliseconds = 120000;

    // The build's settings (LUMO_DIRECTORY_SERVERS, LUMO_DIRECTORY_LIMIT).
    static DirectorySettings fromBuild();
};

// The station list from the community radio directory: its servers, in random order, are
// asked in turn for their working stations until one answers with a list that holds
// stations; that list, converted as lumo-catalogue converts it and with the television
// records of the current list kept (the directory lists radio only), replaces the station
// list whole, and what the directory says of each station (country, language, tags, codec,
// logo...) replaces the side file STATIONINFO beside it. A server that fails, answers past the cap
// or with nothing usable passes the turn to the next. The conversion runs off the window's thread.
// Cancel (or the object's end) closes the connection under way; nothing more happens.
class DirectoryUpdate : public QObject {
    Q_OBJECT
public:
    enum class Outcome {
        Complete, // the station list was replaced
        NoServer, // no server answered
        NoList,   // servers answered, but with no usable list (or it could not be written)
    };

    DirectoryUpdate(NetEngine& engine, std::filesystem::path stationList,
                    DirectorySettings settings, QObject* parent = nullptr);
    ~DirectoryUpdate() override;

    // `done` comes later, from the event loop.
    void start(std::function<void(Outcome)> done);
    void cancel();
    bool running() const { return static_cast<bool>(m_done); }
    // For the next start.
    void setSettings(DirectorySettings settings) { m_settings = std::move(settings); }
    // The stations the last complete update brought.
    std::size_t stationCount() const { return m_stations; }

signals:
    // The answer arrives: bytes so far, of `length` (-1 when the server gave none).
    void received(qint64 bytes, qint64 length);
    // The answer is being made into the station list.
    void converting();

private:
    Task run();
    // The directory's servers in random order: as the settings give them, or as discovery
    // finds them.
    Step<std::deque<std::string>> servers();
    HttpReadOptions readOptions(long totalMilliseconds, std::size_t maxBytes) const;
    void finish(Outcome outcome);

    NetEngine& m_engine;
    std::filesystem::path m_list;
    DirectorySettings m_settings;
    std::function<void(Outcome)> m_done;
    std::size_t m_stations = 0;
    Task m_run;
};

} // namespace lumo
