#pragma once

#include "platform/Pending.h"

#include <QObject>
#include <filesystem>
#include <functional>
#include <string>

namespace lumo {

class NetEngine;

// Tells the community radio directory that one of its stations is played, as it asks every
// client to (its order of popularity is made of these): one request to "/json/url/<id>" on the
// server the station list came from, fire and forget, never retried. Only for a station of the
// directory's list (found in STATIONINFO by its stream), not for one of the listener's own.
class DirectoryPlays : public QObject {
    Q_OBJECT
public:
    using OwnStation = std::function<bool(const std::string& stream)>;
    DirectoryPlays(NetEngine& engine, std::filesystem::path stationInfo, OwnStation own,
                   QObject* parent = nullptr);

    // A station began to play.
    void playing(const std::string& stream);

    // The address told for a station id on a server; empty when either is not one to ask.
    static std::string countAddress(const std::string& server, const std::string& id);

private:
    NetEngine& m_engine;
    std::filesystem::path m_info;
    OwnStation m_own;
    // The side file read, then the request; a newer play replaces them.
    PendingPtr m_reading;
    PendingPtr m_asking;
};

} // namespace lumo
