#pragma once

#include <QStringList>
#include <string>

namespace lumo {

// What the program was asked on its command line:
//   lumo [ADDRESS|PLAYLIST-FILE]   play the station (or the playlist file's first station)
//   lumo --help | --version
// Read before anything else starts. An address passes the one allow-list; icy:// and icyx://
// (what station pages hand out) are http:// and https://; a playlist file (a path or a file:
// address, as a file manager gives it) is read by the program's own playlist reader, at most
// its first MiB.
struct CommandLine {
    enum class Action { Run, Help, Version, Refused };
    Action action = Action::Run;
    std::string address; // the station to play; empty for the default station
    std::string name;    // its name from the playlist, when it gives one
    std::string text;    // the help or version text, or why the argument was refused
};

CommandLine readCommandLine(const QStringList& arguments);

} // namespace lumo
