#pragma once

#include "net/IcyDemux.h"
#include "net/NetEngine.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace lumo {

class StreamFeed;

// A station's live stream read by the program itself, on one connection, so that what is
// heard can also be kept: the body (ICY metadata removed) goes to libVLC through a feed and,
// as it arrives, to whoever listens (a recording). Only a live audio stream is read this way:
// an answer of 200 with an audio type and no length. Anything else (a playlist, a clip, video,
// an error) is let go at once, and the player opens the address itself as before.
class StreamTap : public QObject {
    Q_OBJECT
public:
    // `decided` comes later, from the event loop: true once the stream's first bytes arrived
    // and it is one to read this way, false when it is not (its connection is closed then).
    StreamTap(NetEngine& engine, const std::string& address, std::function<void(bool)> decided,
              QObject* parent = nullptr);
    // Closes the connection and ends the feed; listeners hear `closing` first.
    ~StreamTap() override;

    // Whether an address is one to try this way: http or https, and not named as a playlist,
    // a manifest or a video file.
    static bool worthTrying(const std::string& address);
    // The file name extension for a stream of this type ("mp3", "ogg"...), or nothing for a
    // type that is not read this way.
    static std::optional<std::string> extensionFor(const std::string& contentType);

    const std::shared_ptr<StreamFeed>& feed() const { return m_feed; }
    std::string extension() const { return m_extension; }
    // The station names titles in its stream (it sends metadata).
    bool namesTitles() const { return m_interval > 0; }
    // The title named last, as UTF-8 (empty before one).
    const std::string& title() const { return m_title; }
    // Audio bytes received so far.
    qint64 audioBytes() const { return m_audioBytes; }

signals:
    // Told from within the network engine, in stream order: listeners only keep the bytes.
    void audio(QByteArray bytes);
    void titleChanged(QString title);
    // The stream ended (the station closed it, or the network failed).
    void ended();
    void closing();

private:
    static size_t onHeader(char* data, size_t size, size_t count, void* self);
    static size_t onBody(char* data, size_t size, size_t count, void* self);
    bool decide();
    void resume();
    void finished(CURLcode code);

    Transfer m_transfer;
    std::shared_ptr<StreamFeed> m_feed;
    std::function<void(bool)> m_decided;
    std::optional<bool> m_reading; // decided: read this way, or not
    std::size_t m_interval = 0;
    bool m_unreadableInterval = false; // an icy-metaint that is not a usable number
    std::unique_ptr<IcyDemux> m_demux;
    std::string m_extension;
    std::string m_title;
    qint64 m_audioBytes = 0;
    bool m_paused = false;
};

} // namespace lumo
