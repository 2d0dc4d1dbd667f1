#include "media/StreamTap.h"

#include "media/StreamFeed.h"
#include "net/AsciiText.h"
#include "net/HttpRead.h"

#include <QMetaMethod>
#include <QMetaObject>
#include <QPointer>
#include <algorithm>
#include <array>
#include <cctype>
#include <string_view>

namespace lumo {

namespace {

constexpr long kConnectMilliseconds = 10000;
// A stream that brings nothing for this long has stopped.
constexpr long kQuietSeconds = 15;
// The most read from the connection at a time.
constexpr long kReadBytes = 64 * 1024;

} // namespace

StreamTap::StreamTap(NetEngine& engine, const std::string& address,
                     std::function<void(Verdict)> decided, TimeshiftLimits timeshift,
                     QObject* parent)
    : QObject(parent), m_transfer(engine),
      m_feed(std::make_shared<StreamFeed>(std::move(timeshift))), m_decided(std::move(decided)) {
    m_headerClock.setSingleShot(true);
    m_headerClock.setInterval(kHeaderMilliseconds);
    connect(&m_headerClock, &QTimer::timeout, this, &StreamTap::headersTooSlow);
    m_batchClock.setSingleShot(true);
    connect(&m_batchClock, &QTimer::timeout, this, &StreamTap::resume);
    CURL* e = m_transfer.handle();
    if (e == nullptr) {
        m_transfer.fail(CURLE_FAILED_INIT, [this](CURLcode code) { finished(code); });
        return;
    }
    setUpHttpRequest(e, address, kConnectMilliseconds, 5L);
    curl_easy_setopt(e, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(e, CURLOPT_LOW_SPEED_TIME, kQuietSeconds);
    static curl_slist* const kAsk = curl_slist_append(nullptr, "Icy-MetaData: 1");
    curl_easy_setopt(e, CURLOPT_HTTPHEADER, kAsk);
    // SHOUTcast-style servers answer a request for metadata with "ICY 200 OK".
    static curl_slist* const kIcyOk = curl_slist_append(nullptr, "ICY 200 OK");
    curl_easy_setopt(e, CURLOPT_HTTP200ALIASES, kIcyOk);
    curl_easy_setopt(e, CURLOPT_HEADERFUNCTION, &StreamTap::onHeader);
    curl_easy_setopt(e, CURLOPT_HEADERDATA, this);
    curl_easy_setopt(e, CURLOPT_WRITEFUNCTION, &StreamTap::onBody);
    curl_easy_setopt(e, CURLOPT_WRITEDATA, this);
    // What a station sends at a time comes in one read rather than in 16 KiB pieces.
    curl_easy_setopt(e, CURLOPT_BUFFERSIZE, kReadBytes);
    m_transfer.start([this](CURLcode code) { finished(code); });
}

StreamTap::~StreamTap() {
    emit closing();
    m_feed->end();
    m_transfer.abort();
}

bool StreamTap::worthTrying(const std::string& address) {
    const std::string head = asciiLowered(address.substr(0, 8));
    if (!head.starts_with("http://") && !head.starts_with("https://")) {
        return false;
    }
    // Playlists, manifests and video files are never a live audio stream: libVLC opens them
    // at once, without a first request of ours.
    std::string path = asciiLowered(address.substr(0, address.find_first_of("?#")));
    static constexpr std::array<std::string_view, 19> kNotStreams{
        ".m3u", ".m3u8", ".pls", ".asx", ".xspf", ".wax", ".wvx", ".ram", ".smil", ".mpd",
        ".mp4", ".m4v",  ".mkv", ".ts",  ".webm", ".flv", ".avi", ".mov", ".ism"};
    return std::ranges::none_of(kNotStreams, [&](std::string_view ending) {
        return std::string_view(path).ends_with(ending);
    });
}

// Runs inside libcurl: reads the answer's headers (those of the last answer count, after
// redirects), within their bounds.
size_t StreamTap::onHeader(char* data, size_t size, size_t count, void* self) {
    auto* tap = static_cast<StreamTap*>(self);
    const std::string_view line(data, size * count);
    if (!tap->m_headerClock.isActive() && !tap->m_verdict) {
        tap->m_headerClock.start();
    }
    if (!tap->m_answer.addLine(line)) {
        return 0; // too long: ends the transfer
    }
    const long status = tap->m_answer.status();
    if ((line == "\r\n" || line == "\n") && (status < 300 || status >= 400)) {
        tap->m_headerClock.stop(); // the headers of the answer that counts have ended
    }
    return size * count;
}

// The verdict on the answer, told to the owner from the event loop.
void StreamTap::decide(Verdict verdict) {
    m_verdict = verdict;
    m_headerClock.stop();
    if (verdict == Verdict::Read) {
        m_demux = std::make_unique<IcyDemux>(m_answer.interval());
        if (const std::string kind = m_answer.extension(); kind == "ogg" || kind == "opus") {
            m_ogg = std::make_unique<OggHeadKeeper>();
        }
        m_feed->setRate(m_answer.bytesPerSecond());
        QPointer<StreamTap> guard(this);
        m_feed->setMore([guard] {
            QMetaObject::invokeMethod(
                guard, [guard] { guard->resume(); }, Qt::QueuedConnection);
        });
    }
    QMetaObject::invokeMethod(
        this,
        [this, verdict] {
            if (auto decided = std::exchange(m_decided, {})) {
                decided(verdict);
            }
        },
        Qt::QueuedConnection);
}

// Runs inside libcurl: buffering only, and telling the listeners what arrived.
size_t StreamTap::onBody(char* data, size_t size, size_t count, void* self) {
    auto* tap = static_cast<StreamTap*>(self);
    const size_t n = size * count;
    if (!tap->m_verdict) {
        tap->decide(tap->m_answer.verdict());
    }
    if (*tap->m_verdict != Verdict::Read) {
        return 0; // ends the transfer: the player opens the address itself, or fails
    }
    if (!tap->m_feed->wantsMore()) {
        tap->m_paused = true;
        return CURL_WRITEFUNC_PAUSE; // the same bytes come again on resuming
    }
    tap->m_demux->feed(
        std::string_view(data, n),
        [tap](std::string_view audio) {
            tap->m_feed->add(audio);
            tap->m_audioBytes += static_cast<qint64>(audio.size());
            if (tap->m_ogg) {
                tap->m_ogg->feed(audio);
            }
            if (tap->isSignalConnected(QMetaMethod::fromSignal(&StreamTap::audio))) {
                emit tap->audio(QByteArray(audio.data(), static_cast<qsizetype>(audio.size())));
            }
        },
        [tap](const std::string& title) {
            if (title != tap->m_title) {
                tap->m_title = title;
                tap->m_feed->markTitle(title);
                emit tap->titleChanged(QString::fromStdString(title));
            }
        });
    ++tap->m_networkReads;
    // With the reserve in hand, what comes meanwhile waits in the kernel and is read at once.
    if (const int batch = tap->m_feed->reserve().batchMs(); batch > 0 && !tap->m_paused) {
        tap->m_paused = true;
        curl_easy_pause(tap->m_transfer.handle(), CURLPAUSE_RECV); // once this call returns
        tap->m_batchClock.start(batch);
    }
    return n;
}

void StreamTap::resume() {
    if (m_paused && m_transfer.running()) {
        m_paused = false;
        curl_easy_pause(m_transfer.handle(), CURLPAUSE_CONT);
    }
}

void StreamTap::headersTooSlow() {
    if (!m_verdict) {
        m_transfer.abort();
        m_feed->end();
        decide(Verdict::Refuse);
    }
}

void StreamTap::finished(CURLcode) {
    m_feed->end();
    if (!m_verdict) {
        // Ended before a byte of body: not one to read this way, or one that cannot be read.
        decide(m_answer.verdict() == Verdict::Refuse ? Verdict::Refuse : Verdict::LetGo);
        return;
    }
    if (*m_verdict == Verdict::Read) {
        emit ended();
    }
}

} // namespace lumo
