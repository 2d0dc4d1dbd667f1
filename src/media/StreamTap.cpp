#include "media/StreamTap.h"

#include "media/StreamFeed.h"
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

std::string lowered(std::string_view text) {
    std::string out(text);
    std::ranges::transform(out, out.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

} // namespace

StreamTap::StreamTap(NetEngine& engine, const std::string& address,
                     std::function<void(bool)> decided, QObject* parent)
    : QObject(parent), m_transfer(engine), m_feed(std::make_shared<StreamFeed>()),
      m_decided(std::move(decided)) {
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
    const std::string head = lowered(address.substr(0, 8));
    if (!head.starts_with("http://") && !head.starts_with("https://")) {
        return false;
    }
    // Playlists, manifests and video files are never a live audio stream: libVLC opens them
    // at once, without a first request of ours.
    std::string path = lowered(address.substr(0, address.find_first_of("?#")));
    static constexpr std::array<std::string_view, 19> kNotStreams{
        ".m3u", ".m3u8", ".pls", ".asx", ".xspf", ".wax", ".wvx", ".ram", ".smil", ".mpd",
        ".mp4", ".m4v",  ".mkv", ".ts",  ".webm", ".flv", ".avi", ".mov", ".ism"};
    return std::ranges::none_of(kNotStreams, [&](std::string_view ending) {
        return std::string_view(path).ends_with(ending);
    });
}

std::optional<std::string> StreamTap::extensionFor(const std::string& contentType) {
    std::string type = lowered(contentType.substr(0, contentType.find(';')));
    type.erase(std::remove_if(type.begin(), type.end(), [](char c) { return c == ' '; }),
               type.end());
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 14> kTypes{{
        {"audio/mpeg", "mp3"},
        {"audio/mp3", "mp3"},
        {"audio/aac", "aac"},
        {"audio/aacp", "aac"},
        {"audio/x-aac", "aac"},
        {"audio/ogg", "ogg"},
        {"application/ogg", "ogg"},
        {"audio/opus", "opus"},
        {"audio/flac", "flac"},
        {"audio/x-flac", "flac"},
        {"audio/wav", "wav"},
        {"audio/x-wav", "wav"},
        {"audio/wave", "wav"},
        {"audio/vnd.wave", "wav"},
    }};
    for (const auto& [name, extension] : kTypes) {
        if (type == name) {
            return std::string(extension);
        }
    }
    return std::nullopt;
}

// Runs inside libcurl: notes the interval of the answer that counts (the last, after redirects).
size_t StreamTap::onHeader(char* data, size_t size, size_t count, void* self) {
    auto* tap = static_cast<StreamTap*>(self);
    const std::string_view line(data, size * count);
    if (line.starts_with("HTTP/") || line.starts_with("ICY ")) {
        tap->m_interval = 0;
        tap->m_unreadableInterval = false;
    }
    const auto colon = line.find(':');
    if (colon != std::string_view::npos && lowered(line.substr(0, colon)) == "icy-metaint") {
        tap->m_interval = icyInterval(line.substr(colon + 1));
        tap->m_unreadableInterval = tap->m_interval == 0;
    }
    return size * count;
}

// Is the answer a live audio stream? Looked at once, with the first bytes of its body.
bool StreamTap::decide() {
    CURL* e = m_transfer.handle();
    long status = 0;
    curl_easy_getinfo(e, CURLINFO_RESPONSE_CODE, &status);
    curl_off_t length = -1;
    curl_easy_getinfo(e, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &length);
    const char* type = nullptr;
    curl_easy_getinfo(e, CURLINFO_CONTENT_TYPE, &type);
    const auto extension = type != nullptr ? extensionFor(type) : std::nullopt;
    // An interval that cannot be read would leave metadata in the audio: libVLC reads it.
    if (status != 200 || length >= 0 || !extension || m_unreadableInterval) {
        return false;
    }
    m_extension = *extension;
    m_demux = std::make_unique<IcyDemux>(m_interval);
    QPointer<StreamTap> guard(this);
    m_feed->setMore([guard] {
        QMetaObject::invokeMethod(
            guard, [guard] { guard->resume(); }, Qt::QueuedConnection);
    });
    return true;
}

// Runs inside libcurl: buffering only, and telling the listeners what arrived.
size_t StreamTap::onBody(char* data, size_t size, size_t count, void* self) {
    auto* tap = static_cast<StreamTap*>(self);
    const size_t n = size * count;
    if (!tap->m_reading) {
        tap->m_reading = tap->decide();
        QMetaObject::invokeMethod(
            tap,
            [tap, reading = *tap->m_reading] {
                if (auto decided = std::exchange(tap->m_decided, {})) {
                    decided(reading);
                }
            },
            Qt::QueuedConnection);
    }
    if (!*tap->m_reading) {
        return 0; // ends the transfer: the player opens the address itself
    }
    if (tap->m_feed->buffered() >= StreamFeed::kRoom) {
        tap->m_paused = true;
        tap->m_feed->add({});        // marks the feed full, so that reading asks for more
        return CURL_WRITEFUNC_PAUSE; // the same bytes come again on resuming
    }
    tap->m_demux->feed(
        std::string_view(data, n),
        [tap](std::string_view audio) {
            tap->m_feed->add(audio);
            tap->m_audioBytes += static_cast<qint64>(audio.size());
            if (tap->isSignalConnected(QMetaMethod::fromSignal(&StreamTap::audio))) {
                emit tap->audio(QByteArray(audio.data(), static_cast<qsizetype>(audio.size())));
            }
        },
        [tap](const std::string& title) {
            if (title != tap->m_title) {
                tap->m_title = title;
                emit tap->titleChanged(QString::fromStdString(title));
            }
        });
    return n;
}

void StreamTap::resume() {
    if (m_paused && m_transfer.running()) {
        m_paused = false;
        curl_easy_pause(m_transfer.handle(), CURLPAUSE_CONT);
    }
}

void StreamTap::finished(CURLcode) {
    m_feed->end();
    if (auto decided = std::exchange(m_decided, {})) {
        decided(false); // ended before a byte of body: not one to read this way
        return;
    }
    if (m_reading.value_or(false)) {
        emit ended();
    }
}

} // namespace lumo
