#pragma once

#include <QString>
#include <functional>
#include <string>

class QObject;

namespace lumo {

// A station the listener gives by hand: an address typed, pasted or dropped, a playlist file
// dropped or named on the command line. An address passes the one allow-list; icy:// and
// icyx:// (what station pages hand out) are http:// and https://; a playlist file (a path or a
// file: address, as a file manager gives it) is read by the program's own playlist reader, at
// most its first MiB, and gives its first station with a network address.
struct GivenStation {
    std::string address; // empty when refused
    std::string name;    // the playlist's title for it, when it gives one
    std::string refusal; // why it was refused
    bool refused() const { return address.empty(); }
};

// The network address `given` stands for (icy:// as http://...), or an empty string.
QString networkAddressOf(const QString& given);

// Reads the file, when it is one: for the command line, before the program's windows start.
GivenStation readGivenStation(const QString& given);

// As readGivenStation, off the window's thread; `done` runs on `context`'s thread, and not at
// all once `context` has gone.
void readGivenStationLater(const QString& given, QObject* context,
                           std::function<void(GivenStation)> done);

} // namespace lumo
