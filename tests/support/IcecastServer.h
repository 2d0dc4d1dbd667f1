#pragma once

#include <QProcess>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace lumo::test {

// Debian's Icecast on 127.0.0.1 with ffmpeg as its source: a sine tone as MP3 (or AAC) on the
// mount "/live", named "Ice FM". Its configuration is kept in `folder`, its log goes to standard
// error. Both processes are started for one test and killed with it.
class IcecastServer {
public:
    explicit IcecastServer(const std::filesystem::path& folder);
    ~IcecastServer();
    IcecastServer(const IcecastServer&) = delete;
    IcecastServer& operator=(const IcecastServer&) = delete;

    bool started() const { return m_icecast.state() == QProcess::Running; }
    std::string url(const std::string& path) const;
    // The admin address that sets the mount's title ("song").
    std::string titleUpdate(const std::string& title) const;
    // Starts ffmpeg sending the tone to the mount, as MP3 or as AAC in ADTS ("aac").
    void startSource(const QString& codec = QStringLiteral("mp3"));
    // Sends Ogg files to "/live" one after another, over and over, as one chained stream in
    // real time: each is a song with the title its comments name.
    void startOggSource(const std::vector<std::filesystem::path>& songs);

private:
    QProcess m_icecast;
    QProcess m_source;
    std::uint16_t m_port = 0;
};

} // namespace lumo::test
