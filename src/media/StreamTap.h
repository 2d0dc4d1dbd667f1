#pragma once

#include "media/TimeshiftStore.h"
#include "net/IcyDemux.h"
#include "net/NetEngine.h"
#include "net/OggPages.h"
#include "net/StreamAnswer.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace lumo {

class StreamFeed;

// A station's live stream read by the program itself, on one connection, so that what is
// heard can also be kept: the body (ICY metadata removed) goes to libVLC through a feed and,
// as it arrives, to whoever listens (a recording). Only a live audio stream is read this way:
// an answer of 200 (or SHOUTcast's "ICY 200 OK") with an audio type and no length. Anything
// else (a playlist, a clip, video, an error) is released at once, and the player opens the
// address itself as before; an answer that cannot be read safely (headers that do not end,
// an interval that cannot be used) is refused. Once the reserve is full the connection is read
// in batches (see StreamReserve::kBatchMs), not for every piece the station sends.
class StreamTap : public QObject {
    Q_OBJECT
public:
    using Verdict = StreamAnswer::Verdict;
    // Headers that have not ended this long after they began are refused.
    static constexpr int kHeaderMilliseconds = 5000;

    // `decided` comes later, from the event loop: Read once the stream's first bytes arrived
    // and it is one to read this way; otherwise its connection is closed.
    // What is read is kept within `timeshift` (see StreamFeed).
    StreamTap(NetEngine& engine, const std::string& address, std::function<void(Verdict)> decided,
              TimeshiftLimits timeshift = {}, QObject* parent = nullptr);
    // Closes the connection and ends the feed; listeners hear `closing` first.
    ~StreamTap() override;

    // Whether an address is one to try this way: http or https, and not named as a playlist,
    // a manifest or a video file.
    static bool worthTrying(const std::string& address);
    const std::shared_ptr<StreamFeed>& feed() const { return m_feed; }
    std::string extension() const { return m_answer.extension(); }
    // The station names titles in its stream (it sends metadata).
    bool namesTitles() const { return m_answer.interval() > 0; }
    // The station's name for itself, cleaned (empty when it gives none).
    const std::string& stationName() const { return m_answer.name(); }
    // The logo the station names in its answer (an http or https address), or empty.
    const std::string& logo() const { return m_answer.logo(); }
    // The title named last, as UTF-8 (empty before one).
    const std::string& title() const { return m_title; }
    // The header pages of the chain under way, kept from the stream's start, when the stream
    // is Ogg (null otherwise).
    const OggHead* oggHead() const { return m_ogg ? &m_ogg->head() : nullptr; }
    // Audio bytes received so far, and in how many reads of the network.
    qint64 audioBytes() const { return m_audioBytes; }
    int networkReads() const { return m_networkReads; }

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
    void decide(Verdict verdict);
    void resume();
    void finished(CURLcode code);
    void headersTooSlow();

    Transfer m_transfer;
    std::shared_ptr<StreamFeed> m_feed;
    std::function<void(Verdict)> m_decided;
    StreamAnswer m_answer;
    std::optional<Verdict> m_verdict;
    QTimer m_headerClock;
    QTimer m_batchClock; // the network is left unread until it fires
    std::unique_ptr<IcyDemux> m_demux;
    std::unique_ptr<OggHeadKeeper> m_ogg;
    std::string m_title;
    qint64 m_audioBytes = 0;
    int m_networkReads = 0;
    bool m_paused = false;
};

} // namespace lumo
